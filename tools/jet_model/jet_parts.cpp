// The jet's shapes, in its own units before centring: the nose tip at z = 2, the nozzles'
// ends at z = -2, the fuselage's axis at y = 0. The figures were chosen by eye after an
// air-superiority fighter of the twin-fin, twin-engine kind.
#include "tools/jet_model/jet_parts.h"

#include <iterator>
#include <span>

namespace {

struct ProfilePoint {
    double across, up;
};

// Twelve points round a rounded, slightly square fuselage cross-section of half-width and
// half-height 1, counter-clockwise from +x seen from the nose.
constexpr ProfilePoint kBodyProfile[] = {{1, 0},        {0.93, 0.45},  {0.6, 0.85},  {0, 1},
                                         {-0.6, 0.85},  {-0.93, 0.45}, {-1, 0},      {-0.93, -0.45},
                                         {-0.6, -0.85}, {0, -1},       {0.6, -0.85}, {0.93, -0.45}};

// A circle in twelve points (cosine and sine of multiples of 30 degrees).
constexpr double kSin60 = 0.8660254037844386;
constexpr ProfilePoint kCircle12[] = {
    {1, 0},  {kSin60, 0.5},   {0.5, kSin60},   {0, 1},  {-0.5, kSin60}, {-kSin60, 0.5},
    {-1, 0}, {-kSin60, -0.5}, {-0.5, -kSin60}, {0, -1}, {0.5, -kSin60}, {kSin60, -0.5}};

// A circle in eight points (multiples of 45 degrees).
constexpr double kSin45 = 0.7071067811865476;
constexpr ProfilePoint kCircle8[] = {{1, 0},  {kSin45, kSin45},   {0, 1},  {-kSin45, kSin45},
                                     {-1, 0}, {-kSin45, -kSin45}, {0, -1}, {kSin45, -kSin45}};

// The upper half of a circle in nine points (multiples of 22.5 degrees); the canopy's flat
// floor closes it.
constexpr double kCos22 = 0.9238795325112867;
constexpr double kSin22 = 0.3826834323650898;
constexpr ProfilePoint kDome[] = {{1, 0}, {kCos22, kSin22},  {kSin45, kSin45},  {kSin22, kCos22},
                                  {0, 1}, {-kSin22, kCos22}, {-kSin45, kSin45}, {-kCos22, kSin22},
                                  {-1, 0}};

// A ring in the plane z = centre.z: `halfWidth` to either side of the centre, reaching `top`
// above it and `bottom` below it.
Section ringAcrossZ(std::span<const ProfilePoint> profile, Vector3 centre, double halfWidth,
                    double top, double bottom) {
    Section section;
    for (const ProfilePoint& point : profile) {
        const double height = point.up >= 0 ? top : bottom;
        section.push_back(
            {centre.x + halfWidth * point.across, centre.y + height * point.up, centre.z});
    }
    return section;
}

Section circleAcrossZ(std::span<const ProfilePoint> profile, Vector3 centre, double radius) {
    return ringAcrossZ(profile, centre, radius, radius, radius);
}

// A thin wing-like cross-section: from the leading edge `lead` back along -z over `chord`,
// `thickness` thick along `across` (y for wings and tailplanes, x for fins).
Section airfoil(Vector3 lead, double chord, double thickness, Vector3 across) {
    const Vector3 back{0, 0, -chord};
    // The point `along` of the chord back from the leading edge and `side` of the thickness
    // along `across`.
    const auto at = [&](double along, double side) {
        return add(add(lead, scale(back, along)), scale(across, side * thickness));
    };
    return {lead, at(0.25, 0.5), at(0.65, 0.35), add(lead, back), at(0.65, -0.3), at(0.25, -0.4)};
}

Solid flatEndedLoft(const std::vector<Section>& sections) {
    return loft(sections, centreOf(sections.front()), centreOf(sections.back()));
}

constexpr Vector3 kAlongX{1, 0, 0};
constexpr Vector3 kAlongY{0, 1, 0};

// The fuselage stations from the tail forward: z, half-width, top, bottom, axis height.
struct Station {
    double z, halfWidth, top, bottom, axisY;
};
constexpr Station kFuselageStations[] = {
    {-1.80, 0.30, 0.13, 0.12, 0.0}, {-1.45, 0.34, 0.15, 0.14, 0.0}, {-0.60, 0.36, 0.16, 0.15, 0.0},
    {0.15, 0.32, 0.17, 0.16, 0.0},  {0.65, 0.23, 0.17, 0.15, 0.0},  {1.10, 0.16, 0.14, 0.12, -0.01},
    {1.42, 0.11, 0.10, 0.09, -0.02}};

Section fuselageRing(const Station& station) {
    return ringAcrossZ(kBodyProfile, {0, station.axisY, station.z}, station.halfWidth, station.top,
                       station.bottom);
}

// The engines' axes; the nozzles end flush with the fuselage's tail.
constexpr Vector3 kRightEngineAxis{0.15, 0.0, 0};

}  // namespace

Solid fuselage() {
    std::vector<Section> sections;
    for (const Station& station : kFuselageStations) {
        sections.push_back(fuselageRing(station));
    }
    return flatEndedLoft(sections);
}

Solid noseCone() {
    const std::vector<Section> sections = {
        fuselageRing(kFuselageStations[std::size(kFuselageStations) - 1]),
        fuselageRing({1.72, 0.065, 0.06, 0.055, -0.03}),
    };
    return loft(sections, centreOf(sections.front()), {0, -0.035, 2.0});
}

Solid canopy() {
    // A teardrop bubble whose floor sinks into the fuselage's top.
    constexpr double floorY = 0.09;
    const auto ring = [](double z, double halfWidth, double height) {
        return ringAcrossZ(kDome, {0, floorY, z}, halfWidth, height, height);
    };
    const std::vector<Section> sections = {
        ring(0.30, 0.08, 0.10),
        ring(0.55, 0.115, 0.16),
        ring(0.85, 0.12, 0.16),
        ring(1.08, 0.09, 0.10),
    };
    return loft(sections, {0, 0.12, 0.08}, {0, 0.10, 1.25});
}

Solid rightIntake() {
    // A box under the wing's root that narrows back into the fuselage; its mouth faces forward.
    const auto ring = [](double z, double inner, double outer, double bottom, double top) {
        return Section{{outer, bottom, z}, {outer, top, z}, {inner, top, z}, {inner, bottom, z}};
    };
    return flatEndedLoft({
        ring(-1.00, 0.22, 0.33, -0.12, -0.04),
        ring(-0.50, 0.28, 0.40, -0.15, -0.035),
        ring(0.20, 0.24, 0.42, -0.17, -0.035),
        ring(0.62, 0.18, 0.40, -0.17, -0.035),
    });
}

Solid rightIntakeMouth() {
    return box({0.20, -0.16, 0.62}, {0.38, -0.045, 0.635});
}

Solid rightWing() {
    // A cropped delta: the leading edge swept back by about 44 degrees, a little anhedral.
    return flatEndedLoft({
        airfoil({0.26, -0.03, 0.30}, 1.50, 0.07, kAlongY),
        airfoil({1.45, -0.07, -0.85}, 0.37, 0.024, kAlongY),
    });
}

Solid rightWingRootExtension() {
    // The blade that runs from the wing's leading edge forward along the fuselage's side.
    return flatEndedLoft({
        airfoil({0.22, -0.01, 0.95}, 0.95, 0.03, kAlongY),
        airfoil({0.42, -0.035, 0.16}, 0.16, 0.012, kAlongY),
    });
}

Solid rightTailplane() {
    return flatEndedLoft({
        airfoil({0.24, -0.02, -1.35}, 0.67, 0.04, kAlongY),
        airfoil({0.98, -0.03, -1.78}, 0.28, 0.018, kAlongY),
    });
}

Solid rightFin() {
    // Canted outwards by 20 degrees; the root sinks into the fuselage's top.
    return flatEndedLoft({
        airfoil({0.22, 0.10, -0.80}, 0.92, 0.045, kAlongX),
        airfoil({0.45, 0.72, -1.42}, 0.44, 0.02, kAlongX),
    });
}

Solid rightNozzle() {
    // Outer wall, rim and inner wall of a tapering engine nozzle; its front end is hidden in
    // the fuselage.
    const auto ring = [](double z, double radius) {
        return circleAcrossZ(kCircle12, {kRightEngineAxis.x, kRightEngineAxis.y, z}, radius);
    };
    return loopLoft(
        {ring(-1.70, 0.13), ring(-2.00, 0.118), ring(-2.00, 0.098), ring(-1.80, 0.085)});
}

Solid rightAfterburner() {
    const Section base =
        circleAcrossZ(kCircle12, {kRightEngineAxis.x, kRightEngineAxis.y, -1.82}, 0.084);
    return loft({base}, centreOf(base), {kRightEngineAxis.x, kRightEngineAxis.y, -1.90});
}

Solid missileBody(const MissileShape& missile) {
    const Vector3 noseStart = add(missile.tail, {0, 0, missile.length * 0.85});
    const std::vector<Section> sections = {
        circleAcrossZ(kCircle8, missile.tail, missile.radius),
        circleAcrossZ(kCircle8, noseStart, missile.radius),
    };
    return loft(sections, missile.tail, add(missile.tail, {0, 0, missile.length}));
}

Solid missileFins(const MissileShape& missile) {
    const double span = missile.radius * 2.4;
    const double thickness = missile.radius * 0.2;
    const double finLength = missile.length * 0.14;
    const Vector3& tail = missile.tail;
    const Solid flat = box({tail.x - span, tail.y - thickness, tail.z},
                           {tail.x + span, tail.y + thickness, tail.z + finLength});
    const Solid upright = box({tail.x - thickness, tail.y - span, tail.z},
                              {tail.x + thickness, tail.y + span, tail.z + finLength});
    return joined(flat, upright);
}

MissileShape rightWingtipMissile() {
    return {{1.49, -0.07, -1.25}, 0.87, 0.028};
}

MissileShape rightUnderwingMissile() {
    return {{0.80, -0.155, -1.05}, 1.0, 0.032};
}

Solid rightPylon() {
    return box({0.79, -0.125, -0.95}, {0.81, -0.04, -0.40});
}
