#pragma once
// Small helpers for render tests: GL state queries and colour checks.
#include <GL/gl.h>

#include "tests/render/osmesa_context.h"

inline bool glIsOn(GLenum capability) {
    return glIsEnabled(capability) == GL_TRUE;
}

inline GLboolean depthWriteMask() {
    GLboolean mask = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &mask);
    return mask;
}

struct CurrentColour {
    float r, g, b;
};
inline CurrentColour currentColour() {
    GLfloat colour[4] = {};
    glGetFloatv(GL_CURRENT_COLOR, colour);
    return {colour[0], colour[1], colour[2]};
}

inline GLint boundTexture() {
    GLint name = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
    return name;
}

inline bool isBlack(OsMesaContext::Rgb c) {
    return c.r == 0 && c.g == 0 && c.b == 0;
}
