#pragma once
// The jet's smoke trail: two puffs a frame that stay put, grow and fade over 100 frames.
#include "scene/world.h"

inline constexpr float kPuffLifeFrames = 100;

// Fills the two lowest free puff records (fewer when fewer are free) with new puffs beside
// and just below the jet; the second sits lower by the roll the last turn left behind.
void emitSmoke(World& world);

// One frame of a shown puff (life above 0): it grows by 0.02 and fades by 0.02, and is freed
// (life -1) when its life runs out. Call after drawing it.
void agePuff(SmokePuff& puff);
