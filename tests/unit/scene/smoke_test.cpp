// The smoke trail: where puffs appear, how they age, which records they take.
#include <gtest/gtest.h>

#include "scene/smoke.h"

namespace {

TEST(Smoke, TwoPuffsBesideAndBelowTheJetInTheLowestFreeRecords) {
    const struct {
        float heading, turnRate, bankRamp;
        float first[3], second[3];  // offsets from the jet
    } cases[] = {
        {0, 0, 0, {1, -1.2f, 0}, {2, -1.2f, 1}},
        // A roll of 0.3 x 50 = 15 degrees lowers the second puff by 2 sin 15.
        {90, 0.3f, 50, {0, -1.2f, 1}, {1, -1.7175f, 0}},
    };
    for (const auto& c : cases) {
        World world;
        world.jet = {100, 10, 50, c.heading};
        world.jet.turnRate = c.turnRate;
        world.jet.bankRamp = c.bankRamp;  // read even when no turn runs
        for (SmokePuff& puff : world.smokePuffs) {
            puff.life = 5;
        }
        world.smokePuffs[1] = {0, 0, 0, 3, 0.1f, 0.1f, 0.1f, -1};  // free, worn
        world.smokePuffs[3].life = world.smokePuffs[900].life = -1;
        emitSmoke(world);
        const SmokePuff* puffs[] = {&world.smokePuffs[1], &world.smokePuffs[3]};
        const float* offsets[] = {c.first, c.second};
        for (int i = 0; i < 2; ++i) {
            const SmokePuff& puff = *puffs[i];
            EXPECT_NEAR(puff.x, 100 + offsets[i][0], 1e-3) << c.heading << " puff " << i;
            EXPECT_NEAR(puff.y, 10 + offsets[i][1], 1e-3) << c.heading << " puff " << i;
            EXPECT_NEAR(puff.z, 50 + offsets[i][2], 1e-3) << c.heading << " puff " << i;
            EXPECT_EQ(puff.life, 100);
            EXPECT_EQ(puff.size, 0);
            EXPECT_EQ(puff.red + puff.green + puff.blue, 3);
        }
        EXPECT_EQ(world.smokePuffs[900].life, -1);
    }
}

TEST(Smoke, FullTableTakesNoPuff) {
    World world;
    for (SmokePuff& puff : world.smokePuffs) {
        puff.life = 5;
    }
    emitSmoke(world);
    for (const SmokePuff& puff : world.smokePuffs) {
        ASSERT_EQ(puff.life, 5);
    }
}

TEST(Smoke, PuffGrowsAndFadesForItsHundredFramesThenItsRecordIsFree) {
    SmokePuff puff{0, 0, 0, 0, 1, 1, 1, kPuffLifeFrames};
    agePuff(puff);
    EXPECT_EQ(puff.life, 99);
    EXPECT_FLOAT_EQ(puff.size, 0.02f);
    EXPECT_FLOAT_EQ(puff.red, 0.98f);
    EXPECT_FLOAT_EQ(puff.green, 0.98f);
    EXPECT_FLOAT_EQ(puff.blue, 0.98f);
    for (int frame = 2; frame < 100; ++frame) {
        agePuff(puff);
    }
    EXPECT_EQ(puff.life, 1);  // shown once more
    EXPECT_NEAR(puff.size, 1.98f, 1e-4);
    agePuff(puff);
    EXPECT_EQ(puff.life, -1);
}

}  // namespace
