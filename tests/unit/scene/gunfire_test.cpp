// Bursts of gunfire, bullets and their explosions.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "scene/gunfire.h"
#include "tests/unit/scene/random_setup.h"

namespace {

int flyingCount(const World& world) {
    int count = 0;
    for (const Bullet& bullet : world.bullets) {
        count += bullet.active;
    }
    return count;
}

TEST(Gunfire, ADrawOf3Mod100StartsOrRestartsABurstOf10To109Frames) {
    const struct {
        std::vector<std::pair<int, int>> draws;
        int burstBefore, burstAfter, fired;
    } cases[] = {
        {{{100, 3}, {100, 99}}, 50, 108, 1},  // 108 is a multiple of 4: a shot at once
        {{{100, 3}, {100, 0}}, 0, 9, 0},
        {{{100, 4}}, 0, 0, 0},
        {{{100, 4}}, 6, 5, 0},
    };
    for (const auto& c : cases) {
        World world;
        world.burstFrames = c.burstBefore;
        ASSERT_TRUE(seedForDraws(world.random, c.draws));
        scheduleGunfire(world);
        EXPECT_EQ(world.burstFrames, c.burstAfter) << c.draws[0].second << ", " << c.burstBefore;
        EXPECT_EQ(flyingCount(world), c.fired);
    }
}

TEST(Gunfire, BurstFiresOnEveryFourthFrameDownToZero) {
    const struct {
        int burst;
        std::string shots;  // one character a frame, x for a shot
    } cases[] = {{10, ".x...x...x"}, {12, "...x...x...x"}, {3, "..x"}};
    for (const auto& c : cases) {
        World world;
        ASSERT_TRUE(seedSoThat(world.random, [](CrtRandom& probe) {
            for (int i = 0; i < 40; ++i) {
                if (probe.next() % 100 == 3) {
                    return false;  // no new burst may start meanwhile
                }
            }
            return true;
        }));
        world.burstFrames = c.burst;
        std::string shots;
        while (world.burstFrames > 0) {
            const int before = flyingCount(world);
            scheduleGunfire(world);
            shots += flyingCount(world) > before ? 'x' : '.';
        }
        EXPECT_EQ(shots, c.shots) << c.burst;
    }
}

TEST(Gunfire, BulletLeavesTheJetUpTo3DegreesOffWithTwoSpeedFactors) {
    const struct {
        float heading;
        std::vector<std::pair<int, int>> draws;  // the spread is the first minus the second
        float vx, vz;
    } cases[] = {
        {-93, {{4, 3}, {4, 0}}, 8, 0},  // 3 degrees to the left of -93: along +x at 2 x 4
        {-87, {{4, 0}, {4, 3}}, 8, 0},
        {0, {{4, 2}, {4, 2}}, 0, 6},  // along +z at 4 + 2
    };
    for (const auto& c : cases) {
        World world;
        world.jet = {5, 6, 7, c.heading};
        world.jet.speed = 4;
        world.bullets[0] = {0, 1, 0, 0, 0, 0, 3, 0, 0};  // an explosion showing, a drop left
        ASSERT_TRUE(seedForDraws(world.random, c.draws));
        fireBullet(world);
        const Bullet& bullet = world.bullets[0];
        EXPECT_EQ(bullet.active, 1);
        EXPECT_EQ(bullet.exploding, 0);
        EXPECT_EQ(bullet.x, 5);
        EXPECT_EQ(bullet.y, 6);
        EXPECT_EQ(bullet.z, 7);
        EXPECT_EQ(bullet.drop, 0);
        EXPECT_NEAR(bullet.vx, c.vx, 0.01) << c.heading;
        EXPECT_NEAR(bullet.vz, c.vz, 0.01) << c.heading;
    }
}

TEST(Gunfire, BulletTakesTheLowestRecordNotFlyingAndNoneWhenAllFly) {
    World world;
    world.bullets[0].active = 1;
    fireBullet(world);
    EXPECT_EQ(flyingCount(world), 2);
    EXPECT_EQ(world.bullets[1].active, 1);

    for (Bullet& bullet : world.bullets) {
        bullet.active = 1;
    }
    CrtRandom untouched = world.random;
    world.bullets[99].x = 12;
    fireBullet(world);
    EXPECT_EQ(world.bullets[99].x, 12);
    EXPECT_EQ(world.random.next(), untouched.next());
}

TEST(Gunfire, BulletFallsFasterEachFrameThenExplodesForTenFrames) {
    Bullet bullet;
    bullet.active = 1;
    bullet.y = 10;
    bullet.vx = 1;
    bullet.vz = -2;
    bullet.progress = 5;  // left from the record's last explosion
    std::string looks;
    float progressOnFirstExplosionFrame = -1;
    for (int frame = 0; frame < 200; ++frame) {
        const BulletLook look = stepBullet(bullet);
        looks += look == BulletLook::Point ? 'P' : look == BulletLook::Explosion ? 'E' : '.';
        if (looks.ends_with("PE")) {
            progressOnFirstExplosionFrame = bullet.progress;
        }
    }
    // Below the ground once 0.002 x (0 + 1 + ... + 100) exceeds 10; drawn on that frame too.
    EXPECT_EQ(looks, std::string(101, 'P') + std::string(10, 'E') + std::string(89, '.'));
    EXPECT_FLOAT_EQ(progressOnFirstExplosionFrame, 0.1f);
    EXPECT_EQ(bullet.x, 101);
    EXPECT_EQ(bullet.z, -202);
    EXPECT_LT(bullet.y, 0);
    EXPECT_EQ(bullet.active + bullet.exploding, 0);
}

}  // namespace
