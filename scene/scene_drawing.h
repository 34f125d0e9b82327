#pragma once
// The drawing steps of one frame, each over the world's tables. They expect the state that
// initScene set up; each leaves texturing, blending and lighting off and the colour white.
#include "scene/model/mesh_model.h"
#include "scene/world.h"

// Re-places the eye when the jet is far (see replaceEyeIfFar) and applies the view.
void placeCamera(World& world);

// The cloud-textured dome of radius 1000 over the point on the ground below the eye: the upper
// half of a sphere (sky_dome.h), the lower half being always under the ground.
void drawSky(const World& world);

// 63 x 63 cells of 256 units, each showing the whole desktop snapshot; only the cells that
// reach into the view volume of the current matrices are sent, in one batch.
void drawGround(const World& world);

// The model at the jet's position and heading, lit, rolled into its turn; advances the bank
// animation while the jet turns.
void drawJet(World& world, const MeshModel& model);

// Draws every shown puff, then ages it; the puffs go to OpenGL as one batch.
void updateSmoke(World& world);

// Advances every bullet and explosion, then draws them: explosions as red additive squares that
// grow and fade, in one batch, then bullets as white points, in another.
void updateBullets(World& world);
