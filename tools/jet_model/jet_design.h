#pragma once
// The jet that the scene flies: a low-poly twin-engine fighter with its nose along +z, y up,
// wings along x, its bounding box centred on the origin, about 4 units long and 3 across.
#include "tools/jet_model/model_assembly.h"

NamedModel buildJetModel();
