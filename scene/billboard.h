#pragma once
// The camera-facing, additively blended textured square of explosions and smoke.
#include "scene/vector3.h"
#include "scene/world.h"

// Draws a square centred on `center` whose corners lie `size` away from it on the two axes
// facing the eye, textured with world.textures[textureSlot] and blended additively (depth
// test on, depth writes off). Leaves the current colour at (red, green, blue); afterwards
// texturing and blending are off and depth writes on. A square whose side or up vector has no
// length (the eye on the z-parallel line through the centre) is skipped.
void drawBillboard(const World& world, Vector3 center, double size, float red, float green,
                   float blue, float eyeX, float eyeY, float eyeZ, int textureSlot);
