#pragma once
// One frame of the scene, and the projection for a window size.
#include "scene/model/mesh_model.h"
#include "scene/world.h"

// Draws one frame into the back buffer, in an order the world relies on: camera (looking at
// the jet from before its step), sky, gunfire scheduling (a bullet leaves from the jet's
// position before its step), ground, flight, jet, smoke, bullets. Always returns 1.
int renderFrame(World& world, const MeshModel& model);

// Viewport and a 45-degree perspective from 0.1 to 2000 units; a height of 0 counts as 1.
void resizeScene(int width, int height);
