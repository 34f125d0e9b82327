#pragma once
// The sky: the upper half of a textured sphere of radius 1000, compiled once into a display
// list. Its vertices and texture coordinates are those of a GLU sphere of 32 slices and 32
// stacks (about its z axis, texture coordinates on, outside orientation); only the 16 stacks
// on the pole's side that drawSky turns upwards are kept. The lower half would lie wholly
// below the ground plane, which covers it wherever it could be seen.
#include <cstdint>

// A new display list holding the dome about its own z axis, the pole at -z; 0 without a current
// rendering context.
uint32_t buildSkyDome();

void deleteSkyDome(uint32_t list);
