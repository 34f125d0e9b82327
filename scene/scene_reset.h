#pragma once
// Start values of the world's tables, set once when the scene starts.
#include "scene/world.h"

void resetBullets(World& world);  // every bullet free: neither flying nor exploding
void resetGround(World& world);   // a 64 x 64 grid, 256 apart, from -8192 to 7936 in x and z
void resetJet(World& world);      // four draws: position, heading, speed; eye 4 units above
void resetSmoke(World& world);    // every puff free (life -1)
