// The jet's groups and materials. Colours are chosen for the scene's one white light from
// above and OpenGL's global ambient of 0.2: ambient terms near 1 and a faint emission keep
// the sides turned away from the light grey rather than black, and the afterburner glows by
// its own emission whatever the light.
#include "tools/jet_model/jet_design.h"

#include <algorithm>
#include <initializer_list>

#include "tools/jet_model/jet_parts.h"

namespace {

struct Rgb {
    float red, green, blue;
};

ModelMaterial material(Rgb ambient, Rgb diffuse, Rgb specular, Rgb emissive, float shininess) {
    ModelMaterial result;
    const auto set = [](float* colour, Rgb value) {
        colour[0] = value.red;
        colour[1] = value.green;
        colour[2] = value.blue;
        colour[3] = 1.0f;
    };
    set(result.ambient, ambient);
    set(result.diffuse, diffuse);
    set(result.specular, specular);
    set(result.emissive, emissive);
    result.shininess = shininess;
    return result;
}

constexpr Rgb kNone{0, 0, 0};

struct GroupPlan {
    const char* name;
    int material;
    double creaseCosine;
    std::vector<Solid> solids;
};

// Each right-hand part followed by its mirror image on the left.
std::vector<Solid> bothSides(std::initializer_list<Solid> rightParts) {
    std::vector<Solid> solids;
    for (const Solid& right : rightParts) {
        solids.push_back(right);
        solids.push_back(mirroredX(right));
    }
    return solids;
}

}  // namespace

NamedModel buildJetModel() {
    ModelAssembly assembly;
    // Air-superiority greys, lighter on the fuselage than on the flying surfaces.
    const int fuselageGrey = assembly.addMaterial(
        "fuselage grey", material({0.85f, 0.88f, 0.92f}, {0.60f, 0.63f, 0.67f},
                                  {0.30f, 0.30f, 0.32f}, {0.06f, 0.06f, 0.07f}, 24));
    const int wingGrey = assembly.addMaterial(
        "wing grey", material({0.65f, 0.69f, 0.75f}, {0.44f, 0.47f, 0.52f}, {0.25f, 0.25f, 0.27f},
                              {0.045f, 0.05f, 0.055f}, 18));
    const int radomeGrey =
        assembly.addMaterial("radome", material({0.45f, 0.46f, 0.50f}, {0.30f, 0.31f, 0.34f},
                                                {0.35f, 0.35f, 0.35f}, {0.03f, 0.03f, 0.035f}, 32));
    const int glass = assembly.addMaterial(
        "canopy glass", material({0.30f, 0.50f, 0.90f}, {0.12f, 0.24f, 0.45f}, {0.95f, 0.95f, 1.0f},
                                 {0.03f, 0.07f, 0.15f}, 110));
    const int nozzleMetal = assembly.addMaterial(
        "nozzle metal", material({0.35f, 0.33f, 0.30f}, {0.22f, 0.20f, 0.18f},
                                 {0.60f, 0.55f, 0.50f}, {0.02f, 0.02f, 0.02f}, 60));
    const int glow = assembly.addMaterial(
        "afterburner",
        material({0.30f, 0.10f, 0.0f}, {0.80f, 0.30f, 0.05f}, kNone, {1.0f, 0.45f, 0.08f}, 1));
    const int intakeDark = assembly.addMaterial(
        "intake shadow", material({0.08f, 0.08f, 0.10f}, {0.06f, 0.06f, 0.07f}, kNone, kNone, 1));
    const int storesWhite = assembly.addMaterial(
        "stores white", material({1.0f, 1.0f, 0.97f}, {0.88f, 0.88f, 0.85f}, {0.45f, 0.45f, 0.45f},
                                 {0.07f, 0.07f, 0.07f}, 40));

    // Hidden and low parts first, the parts that enclose or top them later (see
    // model_assembly.h on drawing order): the intakes hang under the wings, the wings' roots
    // disappear into the fuselage, the fins stand on it.
    const MissileShape tip = rightWingtipMissile();
    const MissileShape under = rightUnderwingMissile();
    const GroupPlan groups[] = {
        {"missiles", storesWhite, kCreaseAt60Degrees,
         bothSides({missileBody(tip), missileFins(tip), missileBody(under), missileFins(under),
                    rightPylon()})},
        {"intakes", fuselageGrey, kCreaseAt40Degrees, bothSides({rightIntake()})},
        {"intake mouths", intakeDark, kCreaseAt40Degrees, bothSides({rightIntakeMouth()})},
        {"tailplanes", wingGrey, kCreaseAt25Degrees, bothSides({rightTailplane()})},
        {"wings", wingGrey, kCreaseAt25Degrees, bothSides({rightWing(), rightWingRootExtension()})},
        {"fuselage", fuselageGrey, kCreaseAt60Degrees, {fuselage()}},
        {"radome", radomeGrey, kCreaseAt60Degrees, {noseCone()}},
        {"nozzles", nozzleMetal, kCreaseAt40Degrees, bothSides({rightNozzle()})},
        {"afterburners", glow, kCreaseAt60Degrees, bothSides({rightAfterburner()})},
        {"canopy", glass, kCreaseAt60Degrees, {canopy()}},
        {"fins", wingGrey, kCreaseAt25Degrees, bothSides({rightFin()})},
    };

    // Centre the bounding box on the origin: the camera aims at the model's origin.
    Vector3 low = fuselage().points.front();
    Vector3 high = low;
    for (const GroupPlan& group : groups) {
        for (const Solid& solid : group.solids) {
            for (const Vector3& p : solid.points) {
                low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
                high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
            }
        }
    }
    const Vector3 offset = scale(add(low, high), -0.5);
    for (const GroupPlan& group : groups) {
        assembly.addGroup(group.name, group.material, group.creaseCosine);
        for (const Solid& solid : group.solids) {
            assembly.addSolid(moved(solid, offset));
        }
    }
    return assembly.finish(add(low, offset), add(high, offset));
}
