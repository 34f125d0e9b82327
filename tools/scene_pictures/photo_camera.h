#pragma once
// The photograph's camera: a view direction in the sky's world axes (x east, y up, z north),
// a vertical field of view, and the picture it fills. Both the sky painted behind the jet
// and the OpenGL projection of the jet are derived from it, so the two line up.
#include "tools/pictures/sky.h"

namespace scene_pictures {

struct PhotoCamera {
    double azimuthDegrees = 0.0;      // the view direction round the horizon, 0 north, 90 east
    double elevationDegrees = 0.0;    // above the horizon
    double fieldOfViewDegrees = 0.0;  // vertical
    int width = 0;
    int height = 0;
};

struct CameraAxes {
    pictures::sky::Direction forward;
    pictures::sky::Direction right;
    pictures::sky::Direction up;
};

CameraAxes cameraAxes(const PhotoCamera& camera);

// The direction seen through the picture at (column, row), counted in pixels from its top-left
// corner.
pictures::sky::Direction viewDirection(const PhotoCamera& camera, double column, double row);

// The angle one pixel spans, in radians.
double pixelAngle(const PhotoCamera& camera);

// Loads OpenGL's projection and model-view matrices for the camera, placed `distance` away
// from the origin against its view direction and looking at the origin. The model-view
// matrix is left current.
void applyPhotoCamera(const PhotoCamera& camera, double distance);

}  // namespace scene_pictures
