#pragma once
// The drawing steps of one frame, each over the world's tables. They expect the state that
// initScene set up; each leaves texturing, blending and lighting off and the colour white.
#include "scene/model/mesh_model.h"
#include "scene/world.h"

// Re-places the eye when the jet is far (see replaceEyeIfFar) and applies the view.
void placeCamera(World& world);

// The cloud-textured sphere of radius 1000 around the point on the ground below the eye.
void drawSky(const World& world);

// 63 x 63 cells of 256 units, each showing the whole desktop snapshot.
void drawGround(const World& world);

// The model at the jet's position and heading, lit, rolled into its turn; advances the bank
// animation while the jet turns.
void drawJet(World& world, const MeshModel& model);

// Draws every shown puff, then ages it.
void updateSmoke(World& world);

// Advances every bullet and explosion, then draws it: bullets as white points, explosions as
// red additive squares that grow and fade.
void updateBullets(World& world);
