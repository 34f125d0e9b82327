#pragma once
// The shapes the jet is made of, each a closed solid in the jet's own units (nose along +z,
// y up). Parts on the right (x > 0) are mirrored for the left by the caller.
#include "tools/jet_model/solid.h"

Solid fuselage();
Solid noseCone();
Solid canopy();
Solid rightIntake();
Solid rightIntakeMouth();  // the dark opening in front of the intake
Solid rightWing();
Solid rightWingRootExtension();
Solid rightTailplane();
Solid rightFin();
Solid rightNozzle();
Solid rightAfterburner();  // the glow deep inside the nozzle

// A slim round body with a pointed nose and cross-shaped tail fins, along z.
struct MissileShape {
    Vector3 tail;   // centre of the flat tail end
    double length;  // from the tail to the tip of the nose
    double radius;
};
Solid missileBody(const MissileShape& missile);
Solid missileFins(const MissileShape& missile);
Solid rightPylon();  // holds the missile under the right wing
MissileShape rightWingtipMissile();
MissileShape rightUnderwingMissile();
