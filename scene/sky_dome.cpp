#include "scene/sky_dome.h"

#include <GL/gl.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double kRadius = 1000;
constexpr int kSlices = 32;
constexpr int kStacks = 32;
// Stacks are counted from the sphere's +z pole; the first kept one starts at the equator.
constexpr int kFirstUpperStack = kStacks / 2;

}  // namespace

uint32_t buildSkyDome() {
    // The same steps as the GLU sphere, so that every vertex and texture coordinate comes out
    // bit for bit as there: angles rounded to float, their sines taken in double, the tables
    // and products in float.
    float sliceSin[kSlices + 1];
    float sliceCos[kSlices + 1];
    for (int i = 0; i < kSlices; ++i) {
        const double angle = static_cast<float>(2 * std::numbers::pi * i / kSlices);
        sliceSin[i] = static_cast<float>(std::sin(angle));
        sliceCos[i] = static_cast<float>(std::cos(angle));
    }
    sliceSin[kSlices] = sliceSin[0];
    sliceCos[kSlices] = sliceCos[0];
    float ringRadius[kStacks + 1];
    float ringZ[kStacks + 1];
    for (int j = 0; j <= kStacks; ++j) {
        const double angle = static_cast<float>(std::numbers::pi * j / kStacks);
        ringRadius[j] = static_cast<float>(kRadius * std::sin(angle));
        ringZ[j] = static_cast<float>(kRadius * std::cos(angle));
    }
    ringRadius[0] = 0;  // the poles come to a point
    ringRadius[kStacks] = 0;

    const GLuint list = glGenLists(1);
    if (list == 0) {
        return 0;
    }
    glNewList(list, GL_COMPILE);
    for (int j = kFirstUpperStack; j < kStacks; ++j) {
        glBegin(GL_QUAD_STRIP);
        for (int i = 0; i <= kSlices; ++i) {
            const float s = 1 - static_cast<float>(i) / kSlices;
            glTexCoord2f(s, 1 - static_cast<float>(j + 1) / kStacks);
            glVertex3f(ringRadius[j + 1] * sliceSin[i], ringRadius[j + 1] * sliceCos[i],
                       ringZ[j + 1]);
            glTexCoord2f(s, 1 - static_cast<float>(j) / kStacks);
            glVertex3f(ringRadius[j] * sliceSin[i], ringRadius[j] * sliceCos[i], ringZ[j]);
        }
        glEnd();
    }
    glEndList();
    return list;
}

void deleteSkyDome(uint32_t list) {
    if (list != 0) {
        glDeleteLists(list, 1);
    }
}
