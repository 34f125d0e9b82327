// Bursts, bullets and explosions.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "scene/gunfire.h"
#include "scene/scene_reset.h"
#include "tests/unit/scene/random_setup.h"

namespace {

World startedWorld() {
    World world;
    resetBullets(world);
    resetJet(world);
    return world;
}

int flyingCount(const World& world) {
    int count = 0;
    for (const Bullet& bullet : world.bullets) {
        count += bullet.active;
    }
    return count;
}

// Runs the scheduling until the burst ends and returns the burst counter's value after each
// frame that fired. No new burst may start meanwhile (the seed is chosen for that).
std::vector<int> firingFrames(int burstLength) {
    World world = startedWorld();
    // Every schedule draw until the burst ends must not be 3 modulo 100; fireBullet makes
    // two draws of its own per shot.
    EXPECT_TRUE(seedSoThat(world.random, [&](CrtRandom& random) {
        for (int frame = burstLength - 1; frame >= 0; --frame) {
            if (random.next() % 100 == 3) {
                return false;
            }
            if (frame % 4 == 0) {
                random.next();
                random.next();
            }
        }
        return true;
    }));
    world.burstFrames = burstLength;
    std::vector<int> fired;
    while (world.burstFrames > 0) {
        const int before = flyingCount(world);
        scheduleGunfire(world);
        if (flyingCount(world) > before) {
            fired.push_back(world.burstFrames);
        }
    }
    return fired;
}

TEST(Gunfire, BurstFiresEveryFourthFrameEndingOnTheFrameItReachesZero) {
    EXPECT_EQ(firingFrames(10), (std::vector<int>{8, 4, 0}));
    EXPECT_EQ(firingFrames(12), (std::vector<int>{8, 4, 0}));  // first shot 3 frames in
    EXPECT_EQ(firingFrames(109).size(), 28u);
}

TEST(Gunfire, ADrawOfThreeStartsOrRestartsABurstOf10To109) {
    World world = startedWorld();
    int length = 0;
    ASSERT_TRUE(seedSoThat(world.random, [&](CrtRandom& random) {
        if (random.next() % 100 != 3) {
            return false;
        }
        length = random.next() % 100 + 10;
        return true;
    }));
    world.burstFrames = 50;  // a running burst restarts
    scheduleGunfire(world);
    EXPECT_EQ(world.burstFrames, length - 1);
}

TEST(Gunfire, BulletLeavesTheJetWithItsTwoSpeedFactors) {
    World world = startedWorld();
    world.jet.heading = 0;
    world.jet.speed = 4;
    ASSERT_TRUE(seedSoThat(world.random, [](CrtRandom& random) {
        return random.next() % 4 == random.next() % 4;  // no spread
    }));
    fireBullet(world);
    const Bullet& bullet = world.bullets[0];
    EXPECT_EQ(bullet.active, 1);
    EXPECT_EQ(bullet.exploding, 0);
    EXPECT_EQ(bullet.x, world.jet.x);
    EXPECT_EQ(bullet.y, world.jet.y);
    EXPECT_EQ(bullet.z, world.jet.z);
    EXPECT_EQ(bullet.drop, 0);
    EXPECT_NEAR(bullet.vx, std::cos(90 * 3.141 / 180) * 8, 1e-6);  // twice the speed
    EXPECT_NEAR(bullet.vz, 6, 1e-5);                               // the speed plus 2
}

TEST(Gunfire, NewBulletTakesTheLowestRecordNotFlyingEvenWhileItExplodes) {
    World world = startedWorld();
    world.bullets[0].active = 1;
    world.bullets[1].exploding = 1;
    world.bullets[1].progress = 0.5f;
    fireBullet(world);
    EXPECT_EQ(world.bullets[1].active, 1);
    EXPECT_EQ(world.bullets[1].exploding, 0);  // the explosion vanishes at once
    EXPECT_EQ(world.bullets[2].active, 0);
}

TEST(Gunfire, FullTableFiresNothingAndMakesNoDraws) {
    World world = startedWorld();
    for (Bullet& bullet : world.bullets) {
        bullet.active = 1;
    }
    CrtRandom expected = world.random;
    fireBullet(world);
    EXPECT_EQ(world.random.next(), expected.next());
}

TEST(Gunfire, BulletFallsFasterEachFrameAndHitsTheGroundOnIts101stStep) {
    Bullet bullet;
    bullet.active = 1;
    bullet.y = 10;
    bullet.vx = 1;
    int steps = 0;
    float lastFall = 0;
    while (bullet.active == 1) {
        const float before = bullet.y;
        EXPECT_EQ(stepBullet(bullet), BulletLook::Point);  // drawn also on the impact frame
        ++steps;
        EXPECT_GE(before - bullet.y, lastFall);
        lastFall = before - bullet.y;
    }
    EXPECT_EQ(steps, 101);
    EXPECT_LT(bullet.y, 0);
    EXPECT_EQ(bullet.exploding, 1);
    EXPECT_EQ(bullet.progress, 0);
    EXPECT_EQ(bullet.x, 101);
}

TEST(Gunfire, ExplosionShowsOnExactlyTenFramesGrowingAndFading) {
    Bullet bullet;
    bullet.exploding = 1;
    std::vector<float> sizes;
    std::vector<float> reds;
    while (stepBullet(bullet) == BulletLook::Explosion) {
        sizes.push_back(kExplosionSizePerProgress * bullet.progress);
        reds.push_back(1 - bullet.progress);
        ASSERT_LT(sizes.size(), 20u);
    }
    ASSERT_EQ(sizes.size(), 10u);
    EXPECT_NEAR(sizes.front(), 0.4f, 1e-6);
    EXPECT_NEAR(sizes.back(), 4.0f, 1e-5);
    EXPECT_NEAR(reds.front(), 0.9f, 1e-6);
    EXPECT_LE(reds.back(), 0.0f);  // a hair below 0, clamped by OpenGL
    EXPECT_EQ(bullet.exploding, 0);
    EXPECT_EQ(bullet.active, 0);  // free again
}

}  // namespace
