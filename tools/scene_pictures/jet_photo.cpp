// The settings dialog's photograph: the jet model alone, banked steeply towards a long lens
// and lit by a sun, a sky fill and ambient light, laid over the sky painted by direction at the
// photograph's own resolution, so the long lens shows crisp clouds rather than the magnified
// pixels of the scene's sky picture.
#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <numbers>

#include "scene/model/mesh_model.h"
#include "scene/vector3.h"
#include "tools/pictures/sky.h"
#include "tools/scene_pictures/offscreen_renderer.h"
#include "tools/scene_pictures/scene_pictures.h"

namespace scene_pictures {
namespace {

constexpr int kSupersampling = 4;

// The camera: a long lens looking up a little, turned away from the side of the sky the sun
// warms. Both the sky painted behind the jet and OpenGL's projection of the jet are derived from
// it, so the two line up.
constexpr double kAzimuthDegrees = 150;  // round the horizon, 0 north, 90 east
constexpr double kElevationDegrees = 14;
constexpr double kFieldOfViewDegrees = 20;  // vertical
constexpr int kWidth = 270;
constexpr int kHeight = 202;
// From the camera to the jet's centre, in model units: the jet fills most of the picture and
// its wing tips stay clear of the edges.
constexpr double kDistance = 10.8;
// Seen this way the lower wing and its missiles hang well below the jet's middle: raise the
// jet along the picture's up direction so that it sits centred.
constexpr double kRaise = 0.45;

// The jet's attitude: its nose to the left of the picture, rolled steeply towards the camera
// so that the top of its wings and the canopy show, the nose a little up.
constexpr float kYawDegrees = 250;
constexpr float kPitchDegrees = -12;
constexpr float kRollDegrees = -65;

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

const double kTanHalfField = std::tan(radians(kFieldOfViewDegrees / 2.0));

// The camera's axes in the sky's world axes (x east, y up, z north), as OpenGL's look-at
// builds them: right = forward x world up, up = right x forward.
struct CameraAxes {
    Vector3 forward;
    Vector3 right;
    Vector3 up;
};

CameraAxes cameraAxes() {
    const double azimuth = radians(kAzimuthDegrees);
    const double elevation = radians(kElevationDegrees);
    const Vector3 forward{std::cos(elevation) * std::sin(azimuth), std::sin(elevation),
                          std::cos(elevation) * std::cos(azimuth)};
    const Vector3 right = normalize(cross(forward, {0.0, 1.0, 0.0}));
    return {forward, right, cross(right, forward)};
}

// The direction seen through the picture at (column, row), counted in pixels from its top-left
// corner.
Vector3 viewDirection(const CameraAxes& axes, double column, double row) {
    const double aspect = static_cast<double>(kWidth) / kHeight;
    const double across = (2.0 * column / kWidth - 1.0) * kTanHalfField * aspect;
    const double upward = (1.0 - 2.0 * row / kHeight) * kTanHalfField;
    return normalize(add(add(axes.forward, scale(axes.right, across)), scale(axes.up, upward)));
}

// OpenGL's projection and model-view matrices for the camera, placed kDistance away from the
// origin against its view direction and looking at the origin; the model-view matrix is left
// current.
void applyCamera(const CameraAxes& axes) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // Near and far planes bracket the jet closely, for the depth buffer's precision.
    gluPerspective(kFieldOfViewDegrees, static_cast<double>(kWidth) / kHeight, kDistance / 10.0,
                   kDistance * 10.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const Vector3& forward = axes.forward;
    gluLookAt(-kDistance * forward.x, -kDistance * forward.y, -kDistance * forward.z, 0, 0, 0, 0, 1,
              0);
}

// Sunlight, a blue fill from the open sky and an ambient light keep every side readable. The
// sun comes from the sky's sunny side, behind the photographer's right shoulder, but stands
// higher than the sky's low sun so that the top of the jet is lit well.
constexpr GLfloat kSunDirection[4] = {0.45f, 0.75f, 0.6f, 0.0f};
constexpr GLfloat kSunColour[4] = {0.78f, 0.75f, 0.70f, 1.0f};
constexpr GLfloat kSkyFillColour[4] = {0.36f, 0.39f, 0.46f, 1.0f};
constexpr GLfloat kAmbient[4] = {0.20f, 0.22f, 0.27f, 1.0f};

// Set once the view is in place: the lights stay fixed in the world.
void setUpLights(const CameraAxes& axes) {
    const GLfloat fromSky[4] = {static_cast<GLfloat>(-axes.forward.x), 0.8f,
                                static_cast<GLfloat>(-axes.forward.z), 0.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, kAmbient);
    glLightfv(GL_LIGHT0, GL_POSITION, kSunDirection);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, kSunColour);
    glLightfv(GL_LIGHT0, GL_SPECULAR, kSunColour);
    glLightfv(GL_LIGHT1, GL_POSITION, fromSky);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, kSkyFillColour);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);
    glEnable(GL_LIGHTING);
}

// The sky behind the jet, as the camera sees it.
pictures::Picture photoSky(const CameraAxes& axes) {
    pictures::Picture picture(kWidth, kHeight);
    const double angle = 2.0 * kTanHalfField / kHeight;
    for (int row = 0; row < kHeight; ++row) {
        for (int column = 0; column < kWidth; ++column) {
            const Vector3 direction = viewDirection(axes, column + 0.5, row + 0.5);
            // A pixel spans the same angle every way; round the horizon that is a larger share
            // of a turn the higher it looks.
            const double ring = std::sqrt(direction.x * direction.x + direction.z * direction.z);
            const pictures::sky::PixelAngles pixel{angle, angle / (ring > 0.05 ? ring : 0.05)};
            picture.set(column, row, pictures::toRgba(pictures::sky::skyColour(direction, pixel)));
        }
    }
    return picture;
}

// A lens darkens its corners a little; it makes the rendering read as a photograph.
void darkenCorners(pictures::Picture& picture) {
    constexpr double kCornerDarkening = 0.14;
    const double halfWidth = picture.width() / 2.0;
    const double halfHeight = picture.height() / 2.0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const double dx = (x + 0.5 - halfWidth) / halfWidth;
            const double dy = (y + 0.5 - halfHeight) / halfHeight;
            const double keep = 1.0 - kCornerDarkening * (dx * dx + dy * dy) / 2.0;
            picture.set(x, y, pictures::toRgba(pictures::fromBytes(picture.at(x, y)) * keep));
        }
    }
}

}  // namespace

std::optional<pictures::Picture> renderJetPhoto(const ScenePictureInputs& inputs) {
    Ms3dModel model;
    OffscreenRenderer renderer(kWidth, kHeight, kSupersampling);
    if (!model.load(inputs.model.string().c_str()) || !renderer.ok()) {
        return std::nullopt;
    }
    model.loadMaterialTextures();

    // Transparent black around the jet, so its coverage can be laid over the painted sky.
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glShadeModel(GL_SMOOTH);
    glViewport(0, 0, kWidth * kSupersampling, kHeight * kSupersampling);
    const CameraAxes axes = cameraAxes();
    applyCamera(axes);
    setUpLights(axes);

    const Vector3 up = axes.up;
    glTranslated(kRaise * up.x, kRaise * up.y, kRaise * up.z);
    glRotatef(kYawDegrees, 0, 1, 0);
    glRotatef(kPitchDegrees, 1, 0, 0);
    glRotatef(kRollDegrees, 0, 0, 1);
    model.draw();

    pictures::Picture photo = renderer.picture(photoSky(axes));
    darkenCorners(photo);
    return photo;
}

}  // namespace scene_pictures
