#pragma once
// The jet's flight and the camera's placement: the arithmetic, free of OpenGL.
#include "scene/world.h"

inline constexpr float kWorldEdge = 4000;     // the jet wraps to the opposite edge beyond this
inline constexpr float kCameraLeash = 400;    // eye re-placed when the jet is farther than this
inline constexpr double kCameraOffset = 150;  // new eye within this of the jet in x and z
inline constexpr int kBankRampFrames = 200;   // frames banking in, then as many banking out

// One frame of flight: moves the jet along its heading, wraps it at the world's edges, and
// starts (on average once in 100 frames) or continues a turn. A turn started here is first
// applied on the next frame; a turn keeps the heading within kHeadingBound.
void flyJet(World& world);

// The roll to draw this frame, in degrees about the model's nose axis, and one step of the
// bank animation. Only meaningful while the jet is turning.
float stepBank(JetState& jet);

// Re-places the eye near the jet, with a new speed for the jet, when the jet has flown more
// than 400 units away horizontally. Returns whether it did.
bool replaceEyeIfFar(World& world);
