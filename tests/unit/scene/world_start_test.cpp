// The world's start: the generator, the tables' start values and the vector maths.
#include <gtest/gtest.h>

#include "scene/crt_random.h"
#include "scene/scene_reset.h"
#include "scene/vector3.h"
#include "scene/world.h"

namespace {

TEST(CrtRandom, DrawsTheRunTimesSequenceFromSeedOneAndAfterSeeding) {
    CrtRandom random;
    EXPECT_EQ(random.next(), 41);
    EXPECT_EQ(random.next(), 18467);
    EXPECT_EQ(random.next(), 6334);
    EXPECT_EQ(random.next(), 26500);

    random.seed(1);
    EXPECT_EQ(random.next(), 41);
    random.seed(0);
    EXPECT_EQ(random.next(), 38);  // (0 x 214013 + 2531011) >> 16 & 0x7fff
    for (int i = 0; i < 100000; ++i) {
        const int draw = random.next();
        ASSERT_GE(draw, 0);
        ASSERT_LE(draw, 32767);
    }
}

TEST(WorldStart, UnseededJetStartsAtTheSamePlaceEveryRun) {
    World world;
    resetJet(world);
    EXPECT_FLOAT_EQ(world.jet.x, 154.1f);
    EXPECT_FLOAT_EQ(world.jet.y, 10);
    EXPECT_FLOAT_EQ(world.jet.z, 443.35f);
    EXPECT_EQ(world.jet.heading, 124);
    EXPECT_EQ(world.jet.speed, 4.0f);
    EXPECT_EQ(world.jet.turning, 0);
    EXPECT_EQ(world.jet.turnRate, 0);
    EXPECT_EQ(world.jet.bankRamp, 0);
    // The eye starts exactly 4 units straight above the jet.
    EXPECT_EQ(world.eye.x, world.jet.x);
    EXPECT_EQ(world.eye.y, world.jet.y + 4.0);
    EXPECT_EQ(world.eye.z, world.jet.z);
}

TEST(WorldStart, GroundGridRunsFromMinus8192In256UnitSteps) {
    World world;
    resetGround(world);
    const auto expectPoint = [&](int row, int column, double x, double z) {
        const Vector3& point = world.groundPoints[row][column];
        EXPECT_EQ(point.x, x) << row << "," << column;
        EXPECT_EQ(point.y, 0);
        EXPECT_EQ(point.z, z) << row << "," << column;
    };
    expectPoint(0, 0, -8192, -8192);
    expectPoint(32, 32, 0, 0);
    expectPoint(63, 63, 31 * 256, 31 * 256);
    expectPoint(1, 0, -8192 + 256, -8192);  // rows run along x, columns along z
    expectPoint(0, 1, -8192, -8192 + 256);
}

TEST(WorldStart, BulletsAndPuffsStartFreeWithOtherFieldsUntouched) {
    World world;
    world.bullets[7].active = 1;
    world.bullets[7].exploding = 1;
    world.bullets[7].x = 12;
    world.smokePuffs[1023].life = 50;
    world.smokePuffs[1023].size = 3;
    resetBullets(world);
    resetSmoke(world);
    for (const Bullet& bullet : world.bullets) {
        EXPECT_EQ(bullet.active, 0);
        EXPECT_EQ(bullet.exploding, 0);
    }
    for (const SmokePuff& puff : world.smokePuffs) {
        EXPECT_EQ(puff.life, -1);
    }
    EXPECT_EQ(world.bullets[7].x, 12);
    EXPECT_EQ(world.smokePuffs[1023].size, 3);
}

TEST(VectorMaths, DotCrossNormalizeLengthAndZeroVector) {
    EXPECT_EQ(dot({1, 2, 3}, {4, -5, 6}), 12);
    EXPECT_EQ(dot({1, 0, 0}, {0, 1, 0}), 0);
    const Vector3 z = cross({1, 0, 0}, {0, 1, 0});
    EXPECT_EQ(z.x, 0);
    EXPECT_EQ(z.y, 0);
    EXPECT_EQ(z.z, 1);
    const Vector3 unit = normalize({3, 0, 4});
    EXPECT_DOUBLE_EQ(unit.x, 0.6);
    EXPECT_DOUBLE_EQ(unit.z, 0.8);
    EXPECT_DOUBLE_EQ(vectorLength({3, 0, 4}), 5);
    const Vector3 zero = normalize({0, 0, 0});
    EXPECT_EQ(zero.x, 0);
    EXPECT_EQ(zero.y, 0);
    EXPECT_EQ(zero.z, 0);
    const Vector3 difference = subtract(scale({1, 2, 3}, 2), {1, 1, 1});
    EXPECT_EQ(difference.x, 1);
    EXPECT_EQ(difference.y, 3);
    EXPECT_EQ(difference.z, 5);
}

}  // namespace
