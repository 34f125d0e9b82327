#pragma once
// Closed triangle surfaces for building the jet: lofts through cross-sections, mirrored
// copies and moves. Every solid is wound counter-clockwise seen from outside, so its
// triangles' normals point outwards.
#include <array>
#include <vector>

#include "scene/vector3.h"

using Section = std::vector<Vector3>;  // one closed ring of a loft

struct Solid {
    std::vector<Vector3> points;
    std::vector<std::array<int, 3>> triangles;  // indices into points
};

// The surface through `sections` (rings of equal size, in order), closed at the first ring
// by a fan to `startTip` and at the last by a fan to `endTip`: a tip in the ring's plane
// makes a flat cap, one away from it a cone. The rings may run either way round.
Solid loft(const std::vector<Section>& sections, Vector3 startTip, Vector3 endTip);

// The surface through `sections` with the last ring joined to the first again: a ring-shaped
// solid such as a nozzle with its outer wall, rim and inner wall.
Solid loopLoft(const std::vector<Section>& sections);

// The mean of a ring's points: the tip of a flat cap.
Vector3 centreOf(const Section& section);

// The solid reflected in the plane x = 0, still wound outwards.
Solid mirroredX(const Solid& solid);

Solid moved(const Solid& solid, Vector3 offset);

// Both solids as one (they stay separate surfaces).
Solid joined(const Solid& a, const Solid& b);

// The axis-aligned box between two opposite corners.
Solid box(Vector3 low, Vector3 high);
