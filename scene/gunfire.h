#pragma once
// Bursts of gunfire and the bullets' flight: the arithmetic, free of OpenGL.
#include "scene/world.h"

// Once per drawn frame: on average once in 100 frames a burst of 10 to 109 frames starts (or a
// running one restarts); while a burst runs, one bullet is fired every fourth frame.
void scheduleGunfire(World& world);

// Puts one bullet at the jet, heading roughly its way (up to 3 degrees off). Takes the lowest
// record that is not flying, ending an explosion that may still show there; does nothing when
// all 100 fly.
void fireBullet(World& world);

// What a bullet record shows after one frame's step.
enum class BulletLook { Nothing, Point, Explosion };

// One frame of a record: a flying bullet moves and falls, and becomes an explosion once below
// the ground; an explosion grows until its progress passes 1.0.
BulletLook stepBullet(Bullet& bullet);

inline constexpr float kExplosionSizePerProgress = 4;
