// The jet's flight, its turns and bank, and the camera's re-placement.
#include <gtest/gtest.h>

#include <cmath>

#include "scene/flight.h"
#include "scene/scene_reset.h"
#include "tests/unit/scene/random_setup.h"

namespace {

World straightFlyingWorld() {
    World world;
    resetJet(world);
    return world;
}

bool nextDrawStartsNoTurn(CrtRandom& random) {
    return random.next() % 100 != 0;
}

TEST(Flight, MovesAlongTheHeadingAtItsSpeed) {
    World world = straightFlyingWorld();
    world.jet.heading = 0;  // along +z
    world.jet.speed = 5;
    world.jet.x = 10;
    world.jet.z = 20;
    ASSERT_TRUE(seedSoThat(world.random, nextDrawStartsNoTurn));
    flyJet(world);
    // cos(90 degrees) is not quite 0 with 3.141 for pi.
    EXPECT_NEAR(world.jet.x, 10 + std::cos(90 * 3.141 / 180) * 5, 1e-4);
    EXPECT_NEAR(world.jet.z, 25, 1e-4);
    EXPECT_EQ(world.jet.turning, 0);
}

TEST(Flight, WrapsBeyondTheEdgesButNotOnThem) {
    World world = straightFlyingWorld();
    world.jet.heading = -90;  // along +x
    world.jet.speed = 2;
    world.jet.x = 3999;
    world.jet.z = -4000;
    ASSERT_TRUE(seedSoThat(world.random, nextDrawStartsNoTurn));
    flyJet(world);
    EXPECT_EQ(world.jet.x, -4000);  // 4001 is beyond the edge
    EXPECT_EQ(world.jet.z, -4000);  // exactly on the edge: stays

    world.jet.heading = 90;  // along -x
    world.jet.x = -3999;
    ASSERT_TRUE(seedSoThat(world.random, nextDrawStartsNoTurn));
    flyJet(world);
    EXPECT_EQ(world.jet.x, 4000);
}

TEST(Flight, TurnStartsOnAMultipleOf100AndIsAppliedFromTheNextFrame) {
    World world = straightFlyingWorld();
    int turnDegrees = 0;
    ASSERT_TRUE(seedSoThat(world.random, [&](CrtRandom& random) {
        if (random.next() % 100 != 0) {
            return false;
        }
        const int first = random.next() % 160;
        turnDegrees = first - random.next() % 160;
        return turnDegrees < -100;
    }));
    const float heading = world.jet.heading;
    flyJet(world);
    EXPECT_EQ(world.jet.turning, 1);
    EXPECT_EQ(world.jet.heading, heading);
    EXPECT_EQ(world.jet.targetHeading, heading + turnDegrees);
    EXPECT_FLOAT_EQ(world.jet.turnRate, turnDegrees / 400.0f);
    EXPECT_LT(world.jet.turnRate, 0);  // a left turn rolls the other way

    flyJet(world);
    EXPECT_FLOAT_EQ(world.jet.heading, heading + world.jet.turnRate);
}

TEST(Flight, FullTurnEndsWithinADegreeAfterAbout398FramesAndBanksTo39Point75) {
    World world = straightFlyingWorld();
    JetState& jet = world.jet;
    jet.heading = 100;
    jet.targetHeading = 100 + 159;
    jet.turnRate = 159 / 400.0f;
    jet.turning = 1;

    int frames = 0;
    float peakRoll = 0;
    int peakFrame = 0;
    while (jet.turning == 1 && frames < 1000) {
        flyJet(world);
        ++frames;
        const float roll = stepBank(jet);
        if (roll > peakRoll) {
            peakRoll = roll;
            peakFrame = frames;
        }
    }
    EXPECT_NEAR(frames, 398, 1);
    EXPECT_GT(jet.heading, jet.targetHeading - 1);
    EXPECT_NEAR(peakRoll, 39.75f, 0.01f);
    EXPECT_NEAR(peakFrame, 201, 1);
    // Banking in and out at the same pace: back near level at the end.
    EXPECT_LE(std::abs(jet.bankRamp), 1.0f);
}

TEST(Flight, ZeroDegreeTurnEndsOnTheNextFrame) {
    World world = straightFlyingWorld();
    world.jet.turning = 1;
    world.jet.turnRate = 0;
    world.jet.targetHeading = world.jet.heading;
    flyJet(world);
    EXPECT_EQ(world.jet.turning, 0);
}

TEST(Camera, StaysWhileTheJetIsNearAndUsesNoDraws) {
    World world = straightFlyingWorld();
    world.eye = {world.jet.x + 300, 20, world.jet.z + 200};  // 360 away
    const CrtRandom before = world.random;
    EXPECT_FALSE(replaceEyeIfFar(world));
    EXPECT_EQ(world.eye.x, world.jet.x + 300.0);
    CrtRandom after = world.random;
    CrtRandom expected = before;
    EXPECT_EQ(after.next(), expected.next());
}

TEST(Camera, FarJetGetsANewEyeNearItAndANewSpeed) {
    for (uint32_t seed = 0; seed < 200; ++seed) {
        World world = straightFlyingWorld();
        world.random.seed(seed);
        world.jet.x = 3000;
        world.jet.z = -2000;
        world.eye = {0, 80, 0};
        ASSERT_TRUE(replaceEyeIfFar(world));
        EXPECT_LE(std::abs(world.eye.x - world.jet.x), 150.0001);
        EXPECT_LE(std::abs(world.eye.z - world.jet.z), 150.0001);
        EXPECT_GE(world.eye.y, 1);
        EXPECT_LE(world.eye.y, 35);
        EXPECT_EQ(world.eye.y, std::floor(world.eye.y));
        EXPECT_GE(world.jet.speed, 1.0f);
        EXPECT_LE(world.jet.speed, 2.98f + 1e-5f);
    }
}

TEST(Camera, FirstReplacementComesOnceTheJetHasFlownMoreThan400) {
    World world = straightFlyingWorld();
    int frames = 0;
    while (!replaceEyeIfFar(world) && frames < 1000) {
        world.eye.y += 0.1;  // the loop's climb does not count: the distance is horizontal
        flyJet(world);
        ++frames;
    }
    // At 4 units a frame, just over 100 frames (a turn bends the path, so allow more).
    EXPECT_GE(frames, 101);
    EXPECT_LT(frames, 1000);
}

}  // namespace
