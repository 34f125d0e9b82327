#include <GL/gl.h>
#include <GL/glu.h>

#include "scene/scene_drawing.h"

namespace {

constexpr double kSkyRadius = 1000;
constexpr int kSkySlices = 32;
constexpr int kSkyStacks = 32;

}  // namespace

void drawSky(const World& world) {
    glEnable(GL_TEXTURE_2D);
    glPushMatrix();
    glBindTexture(GL_TEXTURE_2D, world.textures[kSkyTexture]);
    // Centred on the ground below the eye: the sphere follows the eye in x and z only.
    glTranslatef(static_cast<float>(world.eye.x), 0, static_cast<float>(world.eye.z));
    glRotatef(90, 1, 0, 0);  // the quadric's axis from z to the vertical
    glColor4f(1, 1, 1, 1);
    if (world.skyQuadric != nullptr) {
        gluSphere(world.skyQuadric, kSkyRadius, kSkySlices, kSkyStacks);
    }
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
}

void drawGround(const World& world) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, world.textures[kGroundTexture]);
    const auto vertex = [](const Vector3& point) {
        glVertex3f(static_cast<float>(point.x), static_cast<float>(point.y),
                   static_cast<float>(point.z));
    };
    const int cells = kGroundPointsPerSide - 1;
    for (int a = 0; a < cells; ++a) {
        for (int b = 0; b < cells; ++b) {
            glBegin(GL_QUADS);
            glTexCoord2f(0, 0);
            vertex(world.groundPoints[b][a]);
            glTexCoord2f(0, 1);
            vertex(world.groundPoints[b][a + 1]);
            glTexCoord2f(1, 1);
            vertex(world.groundPoints[b + 1][a + 1]);
            glTexCoord2f(1, 0);
            vertex(world.groundPoints[b + 1][a]);
            glEnd();
        }
    }
    glDisable(GL_TEXTURE_2D);
}
