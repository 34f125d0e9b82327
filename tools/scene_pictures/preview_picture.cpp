// The control panel's preview: the scene's own start-up and frame code (initScene,
// renderFrame) with the world set up by hand.
#include <GL/gl.h>
#include <stdlib.h>

#include <cmath>
#include <memory>
#include <string>

#include "scene/frame.h"
#include "scene/model/mesh_model.h"
#include "scene/scene_start.h"
#include "scene/world.h"
#include "tools/file_bytes.h"
#include "tools/pictures/picture_files.h"
#include "tools/scene_pictures/offscreen_renderer.h"
#include "tools/scene_pictures/scene_pictures.h"

namespace scene_pictures {
namespace {

constexpr int kWidth = 152;
constexpr int kHeight = 112;
constexpr int kSupersampling = 4;

// A whole smoke trail: every puff lives this many frames.
constexpr int kFrames = 100;

// The flight: low and slow, in a turn that never ends within the frames drawn, so the smoke
// trail curves away behind the jet. The jet's place and heading are given for the last frame;
// the flight starts wherever that requires. It ends over the task bar of one desktop tile,
// beside the corner of a window on the next.
constexpr double kLastX = 120;
constexpr double kLastZ = -14;
constexpr double kLastHeading = -90;
constexpr float kJetHeight = 4;
constexpr float kSpeed = 1;
constexpr float kTurnRate = -0.3f;

// The guns fire all along, one round every fourth frame; the rounds fired early enough have
// reached the ground far ahead and flash red there by the last frame.
constexpr int kBurstFrames = kFrames;

// The chase camera, in the world's units (the jet is about 4 long): behind the jet, off to its
// left and a little above, so the trail runs down towards the camera and the horizon stays in
// the top quarter of the picture.
constexpr double kEyeBehind = 10.0;
constexpr double kEyeAside = -4.2;
constexpr double kEyeAbove = 2.5;

// The ground: a plain desktop of the saver's day, blue with a few windows and the task bar, so
// that the scene's tiles read as desktops. Laid out as the scene sees it: the saver hands over
// its snapshot mirrored left to right.
pictures::Picture plainDesktop() {
    constexpr int kDesktopWidth = 1600;
    constexpr int kDesktopHeight = 1200;
    constexpr pictures::Rgba kFace{212, 208, 200};
    pictures::Picture desktop(kDesktopWidth, kDesktopHeight, {58, 110, 165});
    const auto fill = [&](int left, int top, int right, int bottom, pictures::Rgba colour) {
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                desktop.set(x, y, colour);
            }
        }
    };
    // Windows: a frame, a title bar (inactive: the saver's own window is the active one) and a
    // white inside.
    constexpr int kWindows[][4] = {
        {1000, 700, 1450, 1080}, {740, 60, 1400, 560}, {120, 250, 600, 640}, {360, 380, 960, 950}};
    for (const auto& [left, top, right, bottom] : kWindows) {
        fill(left, top, right, bottom, kFace);
        fill(left + 4, top + 4, right - 4, top + 26, {128, 128, 128});
        fill(left + 4, top + 30, right - 4, bottom - 4, {255, 255, 255});
    }
    fill(0, kDesktopHeight - 30, kDesktopWidth, kDesktopHeight, kFace);  // the task bar
    fill(0, kDesktopHeight - 29, kDesktopWidth, kDesktopHeight - 28, {255, 255, 255});
    return desktop;
}

// The direction of flight at a heading, as the world's flight step computes it.
double flightAngle(double heading) {
    return (heading + 90.0) * kDegreesToRadians;
}

void startFlight(World& world) {
    // Each frame moves the jet along its heading, then turns it: retrace the frames backwards.
    double x = kLastX;
    double z = kLastZ;
    for (int frame = kFrames - 1; frame >= 0; --frame) {
        const double angle = flightAngle(kLastHeading - kTurnRate * (kFrames - frame));
        x -= std::cos(angle) * kSpeed;
        z -= std::sin(angle) * kSpeed;
    }
    JetState& jet = world.jet;
    jet.x = static_cast<float>(x);
    jet.z = static_cast<float>(z);
    jet.y = kJetHeight;
    jet.heading = static_cast<float>(kLastHeading - kTurnRate * kFrames);
    jet.speed = kSpeed;
    jet.turning = 1;
    jet.turnRate = kTurnRate;
    jet.targetHeading = jet.heading + 360 * 10 * kTurnRate;  // never reached
    // The bank builds up from level flight at the scene's own pace.
    jet.bankRamp = 0;
    jet.bankFrames = 0;
}

// Keeps the eye at the same place relative to the jet, so it never strays far enough for the
// scene to move it elsewhere.
void followJet(World& world) {
    const JetState& jet = world.jet;
    const double angle = flightAngle(jet.heading);
    const double forwardX = std::cos(angle);
    const double forwardZ = std::sin(angle);
    world.eye = {jet.x - kEyeBehind * forwardX - kEyeAside * forwardZ, jet.y + kEyeAbove,
                 jet.z - kEyeBehind * forwardZ + kEyeAside * forwardX};
}

// The scene reads its ground from a file: the plain desktop goes into a scratch folder of its
// own while the scene starts.
bool startScene(World& world, MeshModel& model, const ScenePictureInputs& inputs) {
    std::string scratch =
        (std::filesystem::temp_directory_path() / "soravane_preview_XXXXXX").string();
    if (mkdtemp(scratch.data()) == nullptr) {
        return false;
    }
    const std::string ground = (std::filesystem::path(scratch) / "ground.bmp").string();
    const std::string sky = (inputs.resources / "sky.bmp").string();
    const std::string smoke = (inputs.resources / "puff.bmp").string();
    const bool started = tools::writeFileBytes(ground, pictures::encodeBmp(plainDesktop())) &&
                         initScene(world, model, {sky.c_str(), ground.c_str(), smoke.c_str()});
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
    return started;
}

}  // namespace

std::optional<pictures::Picture> renderPreviewPicture(const ScenePictureInputs& inputs) {
    Ms3dModel model;
    OffscreenRenderer renderer(kWidth, kHeight, kSupersampling);
    if (!model.load(inputs.model.string().c_str()) || !renderer.ok()) {
        return std::nullopt;
    }
    // The world's tables are large; keep them off the stack.
    const auto world = std::make_unique<World>();
    resizeScene(kWidth * kSupersampling, kHeight * kSupersampling);
    if (!startScene(*world, model, inputs)) {
        return std::nullopt;
    }
    startFlight(*world);
    // Rounds are drawn as single points; make them as wide as one pixel of the stored picture.
    glPointSize(kSupersampling);
    world->burstFrames = kBurstFrames;
    for (int frame = 0; frame < kFrames; ++frame) {
        followJet(*world);
        renderFrame(*world, model);
    }
    // Drawn edge to edge: nothing shows through from behind.
    const pictures::Picture preview = renderer.picture(pictures::Picture(kWidth, kHeight));
    releaseScene(*world);
    return preview;
}

}  // namespace scene_pictures
