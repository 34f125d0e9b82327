// The jet's flight, its turns and bank, and the camera's re-placement.
#include <gtest/gtest.h>

#include <cmath>

#include "scene/flight.h"
#include "tests/unit/scene/random_setup.h"

namespace {

// The generator in its start state: the first draw, 41, starts no turn.
World flying(float x, float z, float heading, float speed) {
    World world;
    world.jet.x = x;
    world.jet.z = z;
    world.jet.heading = heading;
    world.jet.speed = speed;
    return world;
}

TEST(Flight, MovesAlongItsHeadingAndWrapsOnlyBeyondTheEdges) {
    const struct {
        float x, z, heading, speed, newX, newZ;
    } cases[] = {
        {10, 20, 0, 5, 10, 25},       // heading 0 flies along +z
        {10, 20, 90, 5, 5, 20},       // heading 90 along -x
        {3999, 7, -90, 2, -4000, 7},  // beyond +4000 in x: to the other edge
        {-3999, 7, 90, 2, 4000, 7},   // beyond -4000 in x
        {7, -3999, 180, 2, 7, 4000},  // beyond -4000 in z
        {7, 3999, 0, 2, 7, -4000},    // beyond +4000 in z
        {3998, 7, -90, 2, 4000, 7},   // onto the edge: stays
    };
    for (const auto& c : cases) {
        World world = flying(c.x, c.z, c.heading, c.speed);
        flyJet(world);
        // With 3.141 for pi, cos(90 degrees) is 0.0003: a hundredth is close enough.
        EXPECT_NEAR(world.jet.x, c.newX, 0.01) << c.x << "," << c.z << " heading " << c.heading;
        EXPECT_NEAR(world.jet.z, c.newZ, 0.01) << c.x << "," << c.z << " heading " << c.heading;
        EXPECT_EQ(world.jet.turning, 0);
    }
}

TEST(Flight, TurnStartsOnADrawOf0Mod100AndEndsWithinADegreeOfItsTarget) {
    const struct {
        std::vector<std::pair<int, int>> draws;
        float degrees;
        int frames;  // frames after the starting one until the turn ends; 0: no turn
    } cases[] = {
        {{{100, 0}, {160, 159}, {160, 0}}, 159, 398},  // 0.3975 a frame: 158.2 after 398
        {{{100, 0}, {160, 0}, {160, 159}}, -159, 398},
        {{{100, 0}, {160, 5}, {160, 5}}, 0, 1},
        {{{100, 10}}, 0, 0},
    };
    for (const auto& c : cases) {
        World world = flying(0, 0, 30, 1);
        JetState& jet = world.jet;
        jet.bankFrames = 300;  // left by the previous turn
        jet.bankRamp = 7;
        ASSERT_TRUE(seedForDraws(world.random, c.draws));
        flyJet(world);
        EXPECT_EQ(jet.heading, 30) << "a new turn is first applied on the next frame";
        if (c.frames == 0) {
            EXPECT_EQ(jet.turning, 0);
            continue;
        }
        EXPECT_EQ(jet.turning, 1);
        EXPECT_EQ(jet.targetHeading, 30 + c.degrees);
        EXPECT_FLOAT_EQ(jet.turnRate, c.degrees / 400);
        EXPECT_EQ(jet.bankFrames, 0);
        EXPECT_EQ(jet.bankRamp, 0);
        int frames = 0;
        while (jet.turning == 1 && frames < 1000) {
            flyJet(world);
            ++frames;
        }
        EXPECT_EQ(frames, c.frames) << c.degrees << " degrees";
        EXPECT_NEAR(jet.heading, jet.targetHeading, 1);
    }
}

TEST(Flight, BankRollsInFor200FramesThenOut) {
    JetState jet;
    jet.turnRate = 0.4f;
    float rolls[401];
    for (float& roll : rolls) {
        roll = stepBank(jet);
    }
    EXPECT_EQ(rolls[0], 0);
    EXPECT_FLOAT_EQ(rolls[1], 0.2f);
    EXPECT_FLOAT_EQ(rolls[200], 40);  // the peak: 100 x the turn rate
    EXPECT_FLOAT_EQ(rolls[201], 39.8f);
    EXPECT_NEAR(rolls[400], 0, 1e-5);
    EXPECT_EQ(jet.bankFrames, 401);
}

TEST(Camera, StaysWhileTheJetIsWithin400HorizontallyAndDrawsNothing) {
    World world = flying(400, 0, 0, 1);
    world.eye = {0, 300, 0};  // height does not count
    CrtRandom untouched = world.random;
    EXPECT_FALSE(replaceEyeIfFar(world));
    EXPECT_EQ(world.eye.x, 0);
    EXPECT_EQ(world.random.next(), untouched.next());
}

TEST(Camera, FarJetGetsANewEyeAndSpeedFromFourDraws) {
    const double kUnset = -1;
    const struct {
        std::vector<std::pair<int, int>> draws;
        double x, y, z, speed;
    } cases[] = {
        // Angles 0 and 90 degrees from the heading: x and z take separate draws.
        {{{180, 0}, {0, 0}, {180, 90}}, 1150, kUnset, -350, kUnset},
        {{{180, 90}, {0, 0}, {180, 0}}, 1000, kUnset, -500, kUnset},
        {{{0, 0}, {35, 34}, {0, 0}, {100, 99}}, kUnset, 35, kUnset, 2.98},
        {{{0, 0}, {35, 0}, {0, 0}, {100, 0}}, kUnset, 1, kUnset, 1},
    };
    for (const auto& c : cases) {
        World world = flying(1000, -500, 0, 4);
        world.eye = {0, 80, 0};
        ASSERT_TRUE(seedForDraws(world.random, c.draws));
        ASSERT_TRUE(replaceEyeIfFar(world));
        for (const auto& [actual, expected, name] :
             {std::tuple{world.eye.x, c.x, "x"}, std::tuple{world.eye.y, c.y, "y"},
              std::tuple{world.eye.z, c.z, "z"},
              std::tuple{double{world.jet.speed}, c.speed, "speed"}}) {
            if (expected != kUnset) {
                EXPECT_NEAR(actual, expected, 0.1) << name;
            }
        }
    }
}

}  // namespace
