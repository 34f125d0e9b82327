#include <GL/gl.h>

#include <cmath>
#include <cstdint>

#include "scene/scene_drawing.h"

namespace {

using Matrix = double[16];  // column-major, as OpenGL keeps it

// The view volume's six sides as bits: a point outside a side has its bit set.
uint8_t sidesOutside(const Matrix& clip, const Vector3& point) {
    double c[4];
    for (int row = 0; row < 4; ++row) {
        c[row] = clip[row] * point.x + clip[4 + row] * point.y + clip[8 + row] * point.z +
                 clip[12 + row];
    }
    // A little slack: a cell merely touching a side is drawn, and the rasterizer decides.
    const double w = c[3] + 1e-6 * (std::fabs(c[3]) + 1);
    uint8_t sides = 0;
    for (int axis = 0; axis < 3; ++axis) {
        sides |= static_cast<uint8_t>((c[axis] < -w ? 1 : 0) << (2 * axis));
        sides |= static_cast<uint8_t>((c[axis] > w ? 1 : 0) << (2 * axis + 1));
    }
    return sides;
}

// The projection times the model-view matrix: from world coordinates to clip coordinates.
void currentClipMatrix(Matrix& clip) {
    Matrix projection;
    Matrix modelView;
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            double sum = 0;
            for (int k = 0; k < 4; ++k) {
                sum += projection[4 * k + row] * modelView[4 * column + k];
            }
            clip[4 * column + row] = sum;
        }
    }
}

}  // namespace

void drawSky(const World& world) {
    glEnable(GL_TEXTURE_2D);
    glPushMatrix();
    glBindTexture(GL_TEXTURE_2D, world.textures[kSkyTexture]);
    // Centred on the ground below the eye: the dome follows the eye in x and z only.
    glTranslatef(static_cast<float>(world.eye.x), 0, static_cast<float>(world.eye.z));
    glRotatef(90, 1, 0, 0);  // the dome's axis from z to the vertical
    glColor4f(1, 1, 1, 1);
    if (world.skyDomeList != 0) {
        glCallList(world.skyDomeList);
    }
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
}

void drawGround(const World& world) {
    // Only the cells that reach into the view are sent: wholly beyond one side of it (behind
    // the eye, past the far plane, off to a side) a cell would have no pixel.
    Matrix clip;
    currentClipMatrix(clip);
    uint8_t outside[kGroundPointsPerSide][kGroundPointsPerSide];
    for (int row = 0; row < kGroundPointsPerSide; ++row) {
        for (int column = 0; column < kGroundPointsPerSide; ++column) {
            outside[row][column] = sidesOutside(clip, world.groundPoints[row][column]);
        }
    }

    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, world.textures[kGroundTexture]);
    const auto vertex = [](const Vector3& point) {
        glVertex3f(static_cast<float>(point.x), static_cast<float>(point.y),
                   static_cast<float>(point.z));
    };
    const int cells = kGroundPointsPerSide - 1;
    glBegin(GL_QUADS);
    for (int a = 0; a < cells; ++a) {
        for (int b = 0; b < cells; ++b) {
            if ((outside[b][a] & outside[b][a + 1] & outside[b + 1][a + 1] & outside[b + 1][a]) !=
                0) {
                continue;
            }
            glTexCoord2f(0, 0);
            vertex(world.groundPoints[b][a]);
            glTexCoord2f(0, 1);
            vertex(world.groundPoints[b][a + 1]);
            glTexCoord2f(1, 1);
            vertex(world.groundPoints[b + 1][a + 1]);
            glTexCoord2f(1, 0);
            vertex(world.groundPoints[b + 1][a]);
        }
    }
    glEnd();
    glDisable(GL_TEXTURE_2D);
}
