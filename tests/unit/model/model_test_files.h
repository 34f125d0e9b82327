#pragma once
// A small MS3D model for the model tests and the positions of its records in the file the
// writer makes of it, so that each test states exactly which bytes it spoils.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
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
    model.materials.resize(2);
    model.materials[0] = {
        {0.2f, 0, 0, 1}, {1, 0, 0, 1}, {0.5f, 0.5f, 0.5f, 1}, {0.1f, 0, 0, 1}, 32, 0, ""};
    model.materials[1] = {{0, 0.2f, 0, 1},     {0, 1, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}, 5, 0,
                          "textures\\skin.bmp"};
    return model;
}

// Where the writer puts each section and record of `model`.
class Ms3dPositions {
public:
    explicit Ms3dPositions(const ModelData& model) : model_(model) {}

    size_t vertexCount() const { return ms3d::kHeaderSize; }
    size_t triangleCount() const { return vertexCount() + 2 + model_.vertices.size() * 15; }
    size_t triangle(size_t i) const { return triangleCount() + 2 + i * ms3d::kTriangleSize; }
    size_t groupCount() const { return triangle(model_.triangles.size()); }
    size_t group(size_t i) const {
        size_t offset = groupCount() + 2;
        for (size_t k = 0; k < i; ++k) {
            offset += ms3d::kGroupFixedSize + 2 * model_.meshes[k].triangleIndices.size();
        }
        return offset;
    }
    size_t groupMaterial(size_t i) const { return group(i + 1) - 1; }
    size_t materialCount() const { return group(model_.meshes.size()); }
    size_t material(size_t i) const { return materialCount() + 2 + i * ms3d::kMaterialSize; }
    size_t end() const { return material(model_.materials.size()); }  // the materials' end

private:
    const ModelData& model_;
};

inline std::vector<uint8_t> readFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
