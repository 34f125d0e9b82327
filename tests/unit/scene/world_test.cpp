// The world's arithmetic: the start values, flight and camera, gunfire and smoke. Cases steer
// the generator to the draws they need with the first seed, from 0 upwards, whose next draws
// are what they want.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "scene/flight.h"
#include "scene/gunfire.h"
#include "scene/scene_reset.h"
#include "scene/smoke.h"

namespace {

// Seeds `random` so that its next draws leave these {modulus, remainder} pairs, a modulus of 0
// taking any draw; false when no seed below 50 million does.
bool seedForDraws(CrtRandom& random, const std::vector<std::pair<int, int>>& draws) {
    for (uint32_t seed = 0; seed < 50'000'000; ++seed) {
        CrtRandom probe;
        probe.seed(seed);
        if (std::all_of(draws.begin(), draws.end(), [&](const std::pair<int, int>& d) {
                const int draw = probe.next();
                return d.first == 0 || draw % d.first == d.second;
            })) {
            random.seed(seed);
            return true;
        }
    }
    return false;
}

TEST(WorldStart, JetFromTheRunTimesFirstDrawsEyeAboveItGridAndNothingFlying) {
    World world;
    world.jet = {1, 2, 3, 4, 5, 6, 7, 8, 1, 9};  // left over from an earlier run
    std::fill(std::begin(world.bullets), std::end(world.bullets), Bullet{1, 1});
    std::fill(std::begin(world.smokePuffs), std::end(world.smokePuffs), SmokePuff{.life = 3});
    resetJet(world);
    resetGround(world);
    resetBullets(world);
    resetSmoke(world);
    const JetState& jet = world.jet;
    EXPECT_FLOAT_EQ(jet.x, 154.1f);   // the run time's first draw, 41: 41 % 1000 / 10 + 150
    EXPECT_FLOAT_EQ(jet.z, 443.35f);  // 18467 % 10000 / 20 + 20
    // 6334 % 45 + 90 and 26500 % 100 / 20 + 4; then everything else 0.
    EXPECT_EQ(std::tuple(jet.y, jet.heading, jet.speed, jet.turning, jet.bankFrames),
              std::tuple(10, 124, 4, 0, 0));
    EXPECT_EQ(std::tuple(world.eye.x, world.eye.y, world.eye.z), std::tuple(jet.x, 14, jet.z));
    const Vector3& point = world.groundPoints[1][0];  // rows run along x, columns along z
    EXPECT_EQ(std::tuple(point.x, point.y, point.z), std::tuple(-7936, 0, -8192));
    EXPECT_TRUE(
        std::ranges::all_of(world.bullets, [](Bullet b) { return !b.active && !b.exploding; }));
    EXPECT_TRUE(std::ranges::all_of(world.smokePuffs, [](SmokePuff p) { return p.life == -1; }));
}

TEST(VectorMaths, CrossProduct) {
    const Vector3 c = cross({1, 2, 3}, {4, 5, 6});
    EXPECT_EQ(std::tuple(c.x, c.y, c.z), std::tuple(-3, 6, -3));
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
        World world;  // the generator's first draw, 41, starts no turn
        world.jet = {c.x, 0, c.z, c.heading, 0, 0, c.speed};
        flyJet(world);
        // With 3.141 for pi, cos(90 degrees) is 0.0003: a hundredth is close enough.
        EXPECT_LT(std::hypot(world.jet.x - c.newX, world.jet.z - c.newZ), 0.01)
            << c.x << "," << c.z << " heading " << c.heading;
    }
}

TEST(Flight, TurnStartsOnADrawOf0Mod100AndEndsWithinADegreeOfItsTarget) {
    const struct {
        std::vector<std::pair<int, int>> draws;
        float degrees;
        int frames;  // after the starting frame until the turn ends; 0: no turn
        float heading = 30;
        int64_t turns = 0;  // whole turns already taken off the heading
    } cases[] = {
        {{{100, 0}, {160, 159}, {160, 0}}, 159, 398},  // 0.3975 a frame: 158.2 after 398
        {{{100, 0}, {160, 0}, {160, 159}}, -159, 398},
        {{{100, 0}, {160, 159}, {160, 0}}, 159, 398, 2000},  // across the bound, and far along
        {{{100, 0}, {160, 0}, {160, 159}}, -159, 398, -2000, 10'000'000},
        {{{100, 0}, {160, 5}, {160, 5}}, 0, 1},
        {{{100, 10}}, 0, 0},
    };
    for (const auto& c : cases) {
        World world;
        JetState& jet = world.jet;
        jet = {0, 0, 0, c.heading, 0, 0, 1, 7, 0, 300, c.turns};  // bank fields left over
        ASSERT_TRUE(seedForDraws(world.random, c.draws));
        flyJet(world);  // a new turn is first applied on the next frame
        EXPECT_EQ(jet.turning, c.frames == 0 ? 0 : 1);
        if (c.frames == 0) {
            continue;
        }
        EXPECT_EQ(std::tuple(jet.targetHeading, jet.bankRamp, jet.bankFrames),
                  std::tuple(c.heading + c.degrees, 0.0f, 0));
        EXPECT_FLOAT_EQ(jet.turnRate, c.degrees / 400);
        int frames = 0;
        for (; jet.turning == 1 && frames < 1000; ++frames) {
            flyJet(world);
            ASSERT_LE(std::abs(jet.heading), kHeadingBound);
        }
        EXPECT_EQ(frames, c.frames) << c.degrees << " degrees";
        // The next step follows the heading with the turns taken off it added back.
        const double angle =
            (c.heading + 360.0 * c.turns + c.degrees / 400.0 * frames + 90) * 3.141 / 180;
        const float x = jet.x, z = jet.z;
        flyJet(world);
        EXPECT_NEAR(jet.x - x, std::cos(angle), 6e-4) << c.heading;
        EXPECT_NEAR(jet.z - z, std::sin(angle), 6e-4) << c.heading;
    }
}

TEST(Flight, BankRollsInFor200FramesThenOut) {
    JetState jet;
    jet.turnRate = 0.4f;
    float rolls[401];
    for (float& roll : rolls) {
        roll = stepBank(jet);
    }
    // The peak, 100 x the turn rate, comes on the 201st frame.
    EXPECT_EQ((std::tuple{rolls[0], rolls[1], rolls[200], rolls[201], rolls[400], jet.bankFrames}),
              std::tuple(0, 0.2f, 40, 39.8f, 0, 401));
    jet.bankFrames = INT32_MAX;  // however long a turn lasts, the jet goes on banking out
    stepBank(jet);
    EXPECT_EQ(std::tuple(stepBank(jet), jet.bankRamp), std::tuple(-0.4f, -1.5f));
}

TEST(Camera, StaysWithin400HorizontallyElseGetsANewEyeAndSpeedFromFourDraws) {
    World near;
    near.jet.x = 400;
    near.eye = {0, 300, 0};  // height does not count
    EXPECT_FALSE(replaceEyeIfFar(near));

    const double _ = NAN;  // not steered
    const struct {
        std::vector<std::pair<int, int>> draws;
        double x, y, z, speed;
    } cases[] = {
        // Angles 0 and 90 degrees from the heading: x and z take separate draws.
        {{{180, 0}, {0, 0}, {180, 90}}, 1150, _, -350, _},
        {{{180, 90}, {0, 0}, {180, 0}}, 1000, _, -500, _},
        {{{0, 0}, {35, 34}, {0, 0}, {100, 99}}, _, 35, _, 2.98},
        {{{0, 0}, {35, 0}, {0, 0}, {100, 0}}, _, 1, _, 1},
    };
    for (const auto& c : cases) {
        World world;
        world.jet = {1000, 10, -500, 0, 0, 0, 4};
        ASSERT_TRUE(seedForDraws(world.random, c.draws));
        ASSERT_TRUE(replaceEyeIfFar(world));
        const double actual[] = {world.eye.x, world.eye.y, world.eye.z, world.jet.speed};
        const double expected[] = {c.x, c.y, c.z, c.speed};
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(std::isnan(expected[i]) || std::abs(actual[i] - expected[i]) < 0.1)
                << "x y z speed"[2 * i] << ": " << actual[i] << " for " << expected[i];
        }
    }
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
        {{{100, 4}}, 5, 4, 1},  // every fourth frame, down to 0
        {{{100, 4}}, 1, 0, 1},
    };
    for (const auto& c : cases) {
        World world;
        world.burstFrames = c.burstBefore;
        ASSERT_TRUE(seedForDraws(world.random, c.draws));
        scheduleGunfire(world);
        EXPECT_EQ(world.burstFrames, c.burstAfter) << c.draws[0].second << ", " << c.burstBefore;
        EXPECT_EQ(world.bullets[0].active, c.fired);
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
        world.jet = {5, 6, 7, c.heading, 0, 0, 4};
        world.bullets[0].active = 1;
        // The lowest record not flying: an explosion showing, a drop left.
        world.bullets[1] = {0, 1, 0, 0, 0, 0, 3, 0, 0};
        ASSERT_TRUE(seedForDraws(world.random, c.draws));
        fireBullet(world);
        const Bullet& bullet = world.bullets[1];
        EXPECT_EQ(
            std::tuple(bullet.active, bullet.exploding, bullet.x, bullet.y, bullet.z, bullet.drop),
            std::tuple(1, 0, 5, 6, 7, 0));
        EXPECT_LT(std::hypot(bullet.vx - c.vx, bullet.vz - c.vz), 0.01) << c.heading;
    }
}

TEST(Gunfire, BulletFallsFasterEachFrameThenExplodesForTenFrames) {
    Bullet bullet{1, 0, 0, 10, 0, 1, 0, -2, 5};  // progress left from the last explosion
    std::string looks;
    for (int frame = 0; frame < 200; ++frame) {
        const BulletLook look = stepBullet(bullet);
        looks += look == BulletLook::Point ? 'P' : look == BulletLook::Explosion ? 'E' : '.';
    }
    // Below the ground once 0.002 x (0 + 1 + ... + 100) exceeds 10; drawn on that frame too.
    EXPECT_EQ(looks, std::string(101, 'P') + std::string(10, 'E') + std::string(89, '.'));
}

TEST(Smoke, TwoPuffsBesideAndBelowTheJetInTheLowestFreeRecords) {
    const struct {
        float heading, turnRate, bankRamp;
        float offsets[2][3];  // of the two puffs from the jet
    } cases[] = {
        {0, 0, 0, {{1, -1.2f, 0}, {2, -1.2f, 1}}},
        // A roll of 0.3 x 50 = 15 degrees lowers the second puff by 2 sin 15.
        {90, 0.3f, 50, {{0, -1.2f, 1}, {1, -1.7175f, 0}}},
    };
    for (const auto& c : cases) {
        World world;
        world.jet = {100, 10, 50, c.heading, 0, c.turnRate, 1, c.bankRamp};  // no turn running
        std::fill(std::begin(world.smokePuffs), std::end(world.smokePuffs), SmokePuff{.life = 5});
        world.smokePuffs[1] = {0, 0, 0, 3, 0.1f, 0.1f, 0.1f, -1};  // free, worn
        world.smokePuffs[3].life = -1;
        emitSmoke(world);
        for (int i = 0; i < 2; ++i) {
            const SmokePuff& puff = world.smokePuffs[1 + 2 * i];
            EXPECT_NEAR(puff.x, 100 + c.offsets[i][0], 1e-3) << c.heading << " puff " << i;
            EXPECT_NEAR(puff.y, 10 + c.offsets[i][1], 1e-3) << c.heading << " puff " << i;
            EXPECT_NEAR(puff.z, 50 + c.offsets[i][2], 1e-3) << c.heading << " puff " << i;
            EXPECT_EQ(std::tuple(puff.life, puff.size, puff.red, puff.green, puff.blue),
                      std::tuple(100, 0, 1, 1, 1));
        }
    }
}

TEST(Smoke, PuffGrowsAndFadesForItsHundredFramesThenItsRecordIsFree) {
    SmokePuff puff{0, 0, 0, 0, 1, 1, 1, kPuffLifeFrames};
    agePuff(puff);
    EXPECT_EQ(std::tuple(puff.life, puff.size, puff.red, puff.green, puff.blue),
              std::tuple(99, 0.02f, 0.98f, 0.98f, 0.98f));
    for (int frame = 1; frame < 100; ++frame) {
        agePuff(puff);
    }
    EXPECT_EQ(puff.life, -1);
}

}  // namespace
