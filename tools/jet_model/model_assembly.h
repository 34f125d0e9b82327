#pragma once
// Gathers solids into named groups with named materials and turns them into the model the
// scene draws: shared vertices, one normal per triangle corner, texture coordinates.
//
// Corner normals: a corner takes the area-weighted mean of the normals of the solid's
// triangles around its vertex that bend away from its own triangle by less than the group's
// crease angle. Curved skins (fuselage, canopy) thus shade smoothly while edges (a wing's
// leading edge, a nozzle's rim) stay crisp.
//
// Drawing order: far from the camera the scene's 16-bit depth buffer cannot tell the jet's
// surfaces apart, and the last one drawn wins. Groups are drawn in the order they are added
// (so add hidden and low parts first), and within a group the triangles facing down are
// drawn before those facing up, as the jet is mostly seen from above.
#include <string>

#include "scene/model/model_data.h"
#include "tools/jet_model/ms3d_writer.h"
#include "tools/jet_model/solid.h"

struct NamedModel {
    ModelData model;
    Ms3dNames names;
};

// Cosines of common crease angles (the trigonometry is done here, once, by hand).
inline constexpr double kCreaseAt25Degrees = 0.9063;
inline constexpr double kCreaseAt40Degrees = 0.7660;
inline constexpr double kCreaseAt60Degrees = 0.5;

class ModelAssembly {
public:
    // Returns the material's index.
    int addMaterial(const std::string& name, const ModelMaterial& material);

    // Starts a group; the solids added next belong to it. Triangles whose normals differ by
    // more than the crease angle (given as its cosine) meet at a sharp edge.
    void addGroup(const std::string& name, int materialIndex, double creaseCosine);

    void addSolid(const Solid& solid);

    // Texture coordinates map a top view of the model (x across, z along) onto a picture
    // that covers the box from `low` to `high`.
    NamedModel finish(Vector3 low, Vector3 high) const;

private:
    NamedModel result_;
    double creaseCosine_ = 1;
};
