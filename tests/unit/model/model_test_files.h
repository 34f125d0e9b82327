#pragma once
// A small MS3D model for the model and render tests.
#include <cstdint>
#include <vector>

#include "scene/model/model_data.h"
#include "scene/model/ms3d_layout.h"
#include "tools/jet_model/ms3d_writer.h"

// A unit square in the z = 0 plane, of two triangles with s = x and t = y, facing +z along its
// bottom edge and tilted up (0, 0.6, 0.8) along its top edge: group 0 draws both triangles
// with material 0, group 1 the second again without a material, group 2 nothing. Material 0
// is red; material 1 is green and names a texture file.
inline ModelData squareModel() {
    ModelData model;
    model.vertices = {{0xFF, {0, 0, 0}}, {1, {1, 0, 0}}, {2, {1, 1, 0}}, {3, {0, 1, 0}}};
    for (const auto& corners : {std::vector<int32_t>{0, 1, 2}, std::vector<int32_t>{0, 2, 3}}) {
        ModelTriangle triangle;
        for (int c = 0; c < 3; ++c) {
            const float* position = model.vertices[static_cast<size_t>(corners[c])].position;
            triangle.vertexIndices[c] = corners[c];
            triangle.normals[c][1] = 0.6f * position[1];
            triangle.normals[c][2] = 1 - 0.2f * position[1];
            triangle.s[c] = position[0];
            triangle.t[c] = position[1];
        }
        model.triangles.push_back(triangle);
    }
    model.meshes = {{0, {0, 1}}, {-1, {1}}, {1, {}}};
    model.materials = {
        {{0.2f, 0, 0, 1}, {1, 0, 0, 1}, {0.5f, 0.5f, 0.5f, 1}, {0.1f, 0, 0, 1}, 32, 0, ""},
        {{0, 0.2f, 0, 1}, {0, 1, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}, 5, 0, "textures\\skin.bmp"}};
    return model;
}
