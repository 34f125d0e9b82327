#include "scene/billboard.h"

#include <GL/gl.h>

BillboardBatch::BillboardBatch(const World& world, int textureSlot, const Vector3& eye)
    : eye_{static_cast<float>(eye.x), static_cast<float>(eye.y), static_cast<float>(eye.z)} {
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    glDepthMask(GL_FALSE);
    glBindTexture(GL_TEXTURE_2D, world.textures[textureSlot]);
    glBegin(GL_QUADS);
}

BillboardBatch::~BillboardBatch() {
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
}

void BillboardBatch::add(Vector3 center, double size, float red, float green, float blue) {
    const Vector3 toEye = subtract(eye_, center);
    Vector3 side = cross(toEye, Vector3{0, 0, 1});
    Vector3 up = cross(toEye, side);
    if (vectorLength(side) == 0 || vectorLength(up) == 0) {
        return;
    }
    side = scale(normalize(side), size);
    up = scale(normalize(up), size);

    glColor3f(red, green, blue);
    const Vector3 corners[4] = {::add(center, side), subtract(center, up), subtract(center, side),
                                ::add(center, up)};
    const double texCoords[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (int i = 0; i < 4; ++i) {
        glTexCoord2d(texCoords[i][0], texCoords[i][1]);
        glVertex3d(corners[i].x, corners[i].y, corners[i].z);
    }
}
