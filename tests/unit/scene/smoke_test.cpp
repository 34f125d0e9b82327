// The smoke trail: where puffs appear, how they age, how records are reused.
#include <gtest/gtest.h>

#include <cmath>

#include "scene/scene_reset.h"
#include "scene/smoke.h"

namespace {

World startedWorld() {
    World world;
    resetJet(world);
    resetSmoke(world);
    return world;
}

int shownCount(const World& world) {
    int count = 0;
    for (const SmokePuff& puff : world.smokePuffs) {
        count += puff.life > 0 ? 1 : 0;
    }
    return count;
}

void ageAllShown(World& world) {
    for (SmokePuff& puff : world.smokePuffs) {
        if (puff.life > 0) {
            agePuff(puff);
        }
    }
}

TEST(Smoke, TwoPuffsBesideAndBelowTheJetAtHeadingZero) {
    World world = startedWorld();
    world.jet.heading = 0;
    world.jet.x = 100;
    world.jet.y = 10;
    world.jet.z = 50;
    emitSmoke(world);
    const SmokePuff& first = world.smokePuffs[0];
    const SmokePuff& second = world.smokePuffs[1];
    EXPECT_FLOAT_EQ(first.x, 101);
    EXPECT_FLOAT_EQ(first.z, 50);
    EXPECT_FLOAT_EQ(second.x, 102);
    EXPECT_FLOAT_EQ(second.z, 51);
    EXPECT_FLOAT_EQ(first.y, 8.8f);  // no turn yet: both at 8.8
    EXPECT_FLOAT_EQ(second.y, 8.8f);
    EXPECT_EQ(first.size, 0);
    EXPECT_EQ(first.red, 1);
    EXPECT_EQ(world.smokePuffs[2].life, -1);
}

TEST(Smoke, SecondPuffKeepsTheLastTurnsRollAfterTheTurnEnds) {
    World world = startedWorld();
    world.jet.turning = 0;
    world.jet.turnRate = 0.3f;
    world.jet.bankRamp = 50;  // a roll of 15 degrees left behind
    emitSmoke(world);
    EXPECT_NEAR(world.smokePuffs[1].y, 10 - 1.2 - 2 * std::sin(15 * 3.141 / 180), 1e-5);
    EXPECT_FLOAT_EQ(world.smokePuffs[0].y, 8.8f);
}

TEST(Smoke, APuffLivesHundredFramesGrowingAndFading) {
    World world = startedWorld();
    emitSmoke(world);
    ageAllShown(world);
    EXPECT_EQ(shownCount(world), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(world.smokePuffs[i].life, 99);
        EXPECT_FLOAT_EQ(world.smokePuffs[i].size, 0.02f);
        EXPECT_FLOAT_EQ(world.smokePuffs[i].green, 0.98f);
    }
    for (int frame = 2; frame <= 99; ++frame) {
        ageAllShown(world);
    }
    EXPECT_EQ(world.smokePuffs[0].life, 1);  // drawn once more, on frame 100
    EXPECT_NEAR(world.smokePuffs[0].size, 1.98f, 1e-4);
    ageAllShown(world);
    EXPECT_EQ(world.smokePuffs[0].life, -1);
    EXPECT_EQ(shownCount(world), 0);
}

TEST(Smoke, SteadyTrailUsesAbout200RecordsAndReusesTheLowestFree) {
    World world = startedWorld();
    for (int frame = 0; frame < 500; ++frame) {
        emitSmoke(world);
        ageAllShown(world);
    }
    EXPECT_EQ(shownCount(world), 198);  // counted after ageing, two have just expired
    int highest = 0;
    for (int i = 0; i < kSmokePuffCount; ++i) {
        if (world.smokePuffs[i].life != -1) {
            highest = i;
        }
    }
    EXPECT_LT(highest, 200);
}

TEST(Smoke, FullTableEmitsNothingAndOneFreeRecordGetsOnePuff) {
    World world = startedWorld();
    for (SmokePuff& puff : world.smokePuffs) {
        puff.life = 5;
    }
    world.smokePuffs[600].life = -1;
    emitSmoke(world);
    EXPECT_EQ(world.smokePuffs[600].life, 100);
    EXPECT_EQ(shownCount(world), kSmokePuffCount);
    emitSmoke(world);
    EXPECT_EQ(shownCount(world), kSmokePuffCount);
}

}  // namespace
