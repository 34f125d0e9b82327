// The sky behind the photographed jet is painted by direction, the jet rendered by OpenGL: both
// must agree on where every direction lands in the picture.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "tools/scene_pictures/offscreen_renderer.h"
#include "tools/scene_pictures/photo_camera.h"

using pictures::SkyDirection;
using scene_pictures::PhotoCamera;

namespace {

constexpr PhotoCamera kCamera{.azimuthTurns = 0.4,
                              .elevationTurns = 0.05,
                              .fieldOfViewDegrees = 24.0,
                              .width = 90,
                              .height = 60};

double dot(SkyDirection a, SkyDirection b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

}  // namespace

TEST(picture_photo_camera, AxesAreOrthonormalWithForwardAtTheGivenElevation) {
    const scene_pictures::CameraAxes axes = scene_pictures::cameraAxes(kCamera);
    EXPECT_NEAR(dot(axes.forward, axes.forward), 1.0, 1e-12);
    EXPECT_NEAR(dot(axes.right, axes.right), 1.0, 1e-12);
    EXPECT_NEAR(dot(axes.up, axes.up), 1.0, 1e-12);
    EXPECT_NEAR(dot(axes.forward, axes.right), 0.0, 1e-12);
    EXPECT_NEAR(dot(axes.forward, axes.up), 0.0, 1e-12);
    EXPECT_NEAR(dot(axes.right, axes.up), 0.0, 1e-12);
    EXPECT_NEAR(axes.forward.y, std::sin(0.05 * 2 * std::numbers::pi), 1e-12);
    EXPECT_NEAR(axes.right.y, 0.0, 1e-12);  // the horizon stays level
    EXPECT_GT(axes.up.y, 0.0);
}

TEST(picture_photo_camera, PictureCentreLooksForwardAndTopRowsLookHigher) {
    const SkyDirection centre = scene_pictures::viewDirection(kCamera, 45.0, 30.0);
    const SkyDirection forward = scene_pictures::cameraAxes(kCamera).forward;
    EXPECT_NEAR(dot(centre, forward), 1.0, 1e-12);
    EXPECT_GT(scene_pictures::viewDirection(kCamera, 45.0, 0.0).y, centre.y);
    EXPECT_LT(scene_pictures::viewDirection(kCamera, 45.0, 60.0).y, centre.y);
}

TEST(picture_photo_camera, PixelAngleIsTheAngleBetweenNeighbouringPixelsAtTheCentre) {
    const SkyDirection a = scene_pictures::viewDirection(kCamera, 45.0, 30.0);
    const SkyDirection b = scene_pictures::viewDirection(kCamera, 46.0, 30.0);
    EXPECT_NEAR(std::acos(dot(a, b)), scene_pictures::pixelAngle(kCamera), 1e-6);
}

TEST(picture_photo_camera, OpenGlProjectsEachDirectionOntoItsPixel) {
    scene_pictures::OffscreenRenderer renderer(kCamera.width, kCamera.height);
    ASSERT_TRUE(renderer.ok());
    glViewport(0, 0, kCamera.width, kCamera.height);
    constexpr double kDistance = 8.0;
    scene_pictures::applyPhotoCamera(kCamera, kDistance);

    GLdouble modelView[16];
    GLdouble projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);

    const SkyDirection forward = scene_pictures::cameraAxes(kCamera).forward;
    for (const auto& [column, row] : {std::pair{3.0, 4.0}, std::pair{45.0, 30.0},
                                      std::pair{88.5, 2.5}, std::pair{10.0, 57.0}}) {
        const SkyDirection d = scene_pictures::viewDirection(kCamera, column, row);
        // A point along that direction from the eye, beyond the jet.
        const double reach = 1.5 * kDistance;
        GLdouble windowX = 0;
        GLdouble windowY = 0;
        GLdouble windowZ = 0;
        ASSERT_EQ(
            gluProject(-kDistance * forward.x + reach * d.x, -kDistance * forward.y + reach * d.y,
                       -kDistance * forward.z + reach * d.z, modelView, projection, viewport,
                       &windowX, &windowY, &windowZ),
            GL_TRUE);
        // OpenGL counts window rows from the bottom.
        EXPECT_NEAR(windowX, column, 0.01) << column << "," << row;
        EXPECT_NEAR(kCamera.height - windowY, row, 0.01) << column << "," << row;
    }
}
