#pragma once
// The scene's whole world in one record with one instance for the run: the jet, the camera
// eye, the bullets, the smoke puffs, the ground grid, the texture names and the random
// generator. Fixed-size tables; nothing is allocated while frames are drawn.
//
// Conventions: y is up and the ground is the plane y = 0; a ground cell is 256 units wide.
// Angles are degrees, turned into radians with 3.141 / 180 (kDegreesToRadians). A heading h
// points along (cos(h + 90), sin(h + 90)) in the (x, z) plane. Every speed, turn, growth and
// fade is an increment per drawn frame: there is no clock in the world.
//
// The jet's heading is kept within kHeadingBound degrees either way, whole turns taken off
// and counted apart: a float heading that grew without bound would no longer change by the
// turn rate. With 3.141 for pi, 360 degrees is not quite a full circle in the world's
// directions, so every direction taken from the heading counts those turns back in
// (courseRadians).
#include <cstdint>

#include "scene/crt_random.h"
#include "scene/vector3.h"

// 3.141, not pi to full precision: the world's every degree-to-radian conversion uses it.
inline constexpr double kDegreesToRadians = 3.141 / 180;

struct JetState {
    float x = 0, y = 0, z = 0;
    float heading = 0;         // degrees; see kHeadingBound and headingTurns
    float targetHeading = 0;   // heading at which the current turn ends
    float turnRate = 0;        // degrees per frame during a turn
    float speed = 0;           // units per frame
    float bankRamp = 0;        // the roll drawn is turnRate x bankRamp degrees
    int32_t turning = 0;       // 1 while a turn is in progress
    int32_t bankFrames = 0;    // frames of the current turn on which the jet was drawn
    int64_t headingTurns = 0;  // whole turns taken off heading and targetHeading
};

// Beyond this, either way, turns take whole turns off the heading. Below it a float holds the
// slowest turn rate (1/200 degree a frame) to about 1%; ordinary flight takes long to get
// there (at 60 frames a second, over half an hour, mostly hours) and until then turns with
// exactly the rounding it always had.
inline constexpr float kHeadingBound = 2048;

// `degrees`, an angle measured as the jet's heading is (the heading plus an offset), in
// radians as if no turn had ever been taken off the heading.
inline double courseRadians(const JetState& jet, float degrees) {
    return (degrees + 360.0 * static_cast<double>(jet.headingTurns)) * kDegreesToRadians;
}

struct Bullet {
    int32_t active = 0;     // 1 while flying
    int32_t exploding = 0;  // 1 while its explosion shows
    float x = 0, y = 0, z = 0;
    float vx = 0;
    float drop = 0;  // subtracted from y each frame; grows by 0.002 per frame
    float vz = 0;
    float progress = 0;  // explosion progress, 0 at impact, ends above 1.0
};

struct SmokePuff {
    float x = 0, y = 0, z = 0;
    float size = 0;  // half the diagonal of the puff's square
    float red = 0, green = 0, blue = 0;
    float life = 0;  // frames left; below 0 the record is free
};

inline constexpr int kBulletCount = 100;
inline constexpr int kSmokePuffCount = 1024;
inline constexpr int kGroundPointsPerSide = 64;
inline constexpr double kGroundCellSize = 256;

enum TextureSlot : int {
    kSkyTexture = 0,
    kGroundTexture = 1,
    kSmokeTexture = 2,
    kExplosionTexture = 3,  // never filled: texture name 0, so explosions show their colour alone
    kTextureSlotCount = 4,
};

struct World {
    JetState jet;
    Vector3 eye;
    Bullet bullets[kBulletCount];
    SmokePuff smokePuffs[kSmokePuffCount];
    Vector3 groundPoints[kGroundPointsPerSide][kGroundPointsPerSide];  // [row][column]
    uint32_t textures[kTextureSlotCount] = {};
    uint32_t skyDomeList = 0;  // the display list of the sky (sky_dome.h)
    int32_t burstFrames = 0;   // frames left in the current gunfire burst
    CrtRandom random;          // every random draw of the world comes from here
};
