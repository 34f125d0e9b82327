#include "tools/scene_pictures/photo_camera.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <numbers>

namespace scene_pictures {
namespace {

using pictures::sky::Direction;

Direction normalised(Direction v) {
    const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / length, v.y / length, v.z / length};
}

Direction crossed(Direction a, Direction b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

double tanHalfField(const PhotoCamera& camera) {
    return std::tan(radians(camera.fieldOfViewDegrees / 2.0));
}

}  // namespace

CameraAxes cameraAxes(const PhotoCamera& camera) {
    const double azimuth = radians(camera.azimuthDegrees);
    const double elevation = radians(camera.elevationDegrees);
    const Direction forward{std::cos(elevation) * std::sin(azimuth), std::sin(elevation),
                            std::cos(elevation) * std::cos(azimuth)};
    // As OpenGL's look-at builds them: right = forward x world up, up = right x forward.
    const Direction right = normalised(crossed(forward, {0.0, 1.0, 0.0}));
    return {forward, right, crossed(right, forward)};
}

Direction viewDirection(const PhotoCamera& camera, double column, double row) {
    const CameraAxes axes = cameraAxes(camera);
    const double tanHalf = tanHalfField(camera);
    const double aspect = static_cast<double>(camera.width) / camera.height;
    const double across = (2.0 * column / camera.width - 1.0) * tanHalf * aspect;
    const double upward = (1.0 - 2.0 * row / camera.height) * tanHalf;
    return normalised({axes.forward.x + across * axes.right.x + upward * axes.up.x,
                       axes.forward.y + across * axes.right.y + upward * axes.up.y,
                       axes.forward.z + across * axes.right.z + upward * axes.up.z});
}

double pixelAngle(const PhotoCamera& camera) {
    return 2.0 * tanHalfField(camera) / camera.height;
}

void applyPhotoCamera(const PhotoCamera& camera, double distance) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // Near and far planes bracket the jet closely, for the depth buffer's precision.
    gluPerspective(camera.fieldOfViewDegrees, static_cast<double>(camera.width) / camera.height,
                   distance / 10.0, distance * 10.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const Direction forward = cameraAxes(camera).forward;
    gluLookAt(-distance * forward.x, -distance * forward.y, -distance * forward.z, 0, 0, 0, 0, 1,
              0);
}

}  // namespace scene_pictures
