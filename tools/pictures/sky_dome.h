#pragma once
// Where each pixel of the sky picture ends up around the viewer.
//
// The scene wraps the sky picture round the inside of a GLU sphere whose axis is turned upright.
// GLU's texture coordinates put t = 0 at one pole and t = 1 at the other, and s once round the
// axis. After the turn, t = 0 is the zenith; the bitmap reader hands the rows over bottom row
// first, so the picture's bottom row wraps the zenith, its top row the nadir and its middle row
// the horizon. Seen from inside, the picture is therefore upside down and mirrored; recipes
// paint by direction and never need to think about that.

namespace pictures {

// A unit vector in the scene's world axes: x east, y up, z north (right-handed, y up).
struct SkyDirection {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// The direction seen through point (column, row) of a width x height sky picture, counted in
// pixels from the picture's top-left corner; pixel (i, j) has its centre at (i + 0.5, j + 0.5).
SkyDirection skyDirection(double column, double row, int width, int height);

}  // namespace pictures
