#pragma once
// Files and views for the model's render tests: small texture pictures, and a view in which the
// test models' unit square fills the window.
#include <GL/gl.h>
#include <string>
#include <vector>

#include "tests/support/bmp_file_writer.h"
#include "tests/support/temp_folder.h"
#include "tests/unit/model/model_test_files.h"

// A 24-bit Windows bitmap file two pixels wide, each row of one colour, `rows` top first.
inline std::vector<uint8_t> twoColumnBitmap(const std::vector<TestRgb>& rows) {
    return encodeTestBmp(2, static_cast<int>(rows.size()),
                         [&](int, int y) { return rows[static_cast<size_t>(y)]; });
}

// An orthographic view of the square from (0, 0) to (1, 1) in the z = 0 plane, filling the
// window; cleared to black.
inline void viewUnitSquare() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1, 0, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}
