// The generator, the world's start values and the vector maths.
#include <gtest/gtest.h>

#include "scene/crt_random.h"
#include "scene/scene_reset.h"
#include "scene/vector3.h"

namespace {

TEST(CrtRandom, DrawsTheRunTimesSequence) {
    CrtRandom random;
    for (const int draw : {41, 18467, 6334, 26500}) {
        EXPECT_EQ(random.next(), draw);
    }
    random.seed(0);
    EXPECT_EQ(random.next(), 38);  // 2531011 >> 16
    random.seed(1);
    EXPECT_EQ(random.next(), 41);
}

TEST(WorldStart, JetStartsFromTheUnseededDrawsWithTheEyeAboveIt) {
    World world;
    world.jet = {1, 2, 3, 4, 5, 6, 7, 8, 1, 9};  // left over from an earlier run
    resetJet(world);
    const JetState& jet = world.jet;
    EXPECT_FLOAT_EQ(jet.x, 154.1f);   // 41 % 1000 / 10 + 150
    EXPECT_FLOAT_EQ(jet.z, 443.35f);  // 18467 % 10000 / 20 + 20
    EXPECT_EQ(jet.y, 10);
    EXPECT_EQ(jet.heading, 124);  // 6334 % 45 + 90
    EXPECT_EQ(jet.speed, 4);      // 26500 % 100 / 20 + 4
    EXPECT_EQ(jet.targetHeading, 0);
    EXPECT_EQ(jet.turnRate, 0);
    EXPECT_EQ(jet.bankRamp, 0);
    EXPECT_EQ(jet.turning, 0);
    EXPECT_EQ(jet.bankFrames, 0);
    EXPECT_EQ(world.eye.x, jet.x);
    EXPECT_EQ(world.eye.y, 14);
    EXPECT_EQ(world.eye.z, jet.z);
}

TEST(WorldStart, GroundGridRowsRunAlongXAndColumnsAlongZ) {
    World world;
    resetGround(world);
    const struct {
        int row, column;
        double x, z;
    } points[] = {{0, 0, -8192, -8192},
                  {1, 0, -7936, -8192},
                  {0, 1, -8192, -7936},
                  {32, 32, 0, 0},
                  {63, 63, 7936, 7936}};
    for (const auto& p : points) {
        const Vector3& point = world.groundPoints[p.row][p.column];
        EXPECT_EQ(point.x, p.x) << p.row << "," << p.column;
        EXPECT_EQ(point.y, 0);
        EXPECT_EQ(point.z, p.z) << p.row << "," << p.column;
    }
}

TEST(WorldStart, EveryBulletAndPuffStartsFree) {
    World world;
    for (Bullet& bullet : world.bullets) {
        bullet.active = bullet.exploding = 1;
    }
    for (SmokePuff& puff : world.smokePuffs) {
        puff.life = 3;
    }
    resetBullets(world);
    resetSmoke(world);
    for (const Bullet& bullet : world.bullets) {
        ASSERT_EQ(bullet.active + bullet.exploding, 0);
    }
    for (const SmokePuff& puff : world.smokePuffs) {
        ASSERT_EQ(puff.life, -1);
    }
}

TEST(VectorMaths, CrossNormalizeAndLength) {
    const Vector3 c = cross({1, 2, 3}, {4, 5, 6});
    EXPECT_EQ(c.x, -3);
    EXPECT_EQ(c.y, 6);
    EXPECT_EQ(c.z, -3);
    const Vector3 unit = normalize(add(scale({1, 0, 2}, 3), subtract({0, 0, 0}, {0, 0, 2})));
    EXPECT_DOUBLE_EQ(unit.x, 0.6);  // (3, 0, 4) / 5
    EXPECT_DOUBLE_EQ(unit.z, 0.8);
    EXPECT_DOUBLE_EQ(vectorLength({3, 0, 4}), 5);
    EXPECT_EQ(vectorLength(normalize({0, 0, 0})), 0);
}

}  // namespace
