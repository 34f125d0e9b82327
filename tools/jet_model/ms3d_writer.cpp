#include "tools/jet_model/ms3d_writer.h"

#include <bit>
#include <string_view>

#include "scene/model/ms3d_layout.h"
#include "tools/file_bytes.h"

namespace {

// Appends the file's fields; remembers whether everything fitted.
class ByteWriter {
public:
    std::vector<uint8_t> bytes;
    bool fits = true;

    void u8(uint8_t value) { bytes.push_back(value); }
    void u16(int64_t value) {
        check(value >= 0 && value <= 0xFFFF);
        tools::putLittleEndian(bytes, static_cast<uint32_t>(value), 2);
    }
    void i8(int32_t value) {
        check(value >= -128 && value <= 127);
        u8(static_cast<uint8_t>(value));
    }
    void i32(int32_t value) { tools::putLittleEndian(bytes, static_cast<uint32_t>(value), 4); }
    void f32(float value) { tools::putLittleEndian(bytes, std::bit_cast<uint32_t>(value), 4); }
    void floats(const float* values, size_t count) {
        for (size_t i = 0; i < count; ++i) {
            f32(values[i]);
        }
    }
    // A NUL-terminated text in a fixed-size field, padded with NULs.
    void text(std::string_view value, size_t fieldSize) {
        check(value.size() < fieldSize);
        for (size_t i = 0; i < fieldSize; ++i) {
            u8(i < value.size() && i + 1 < fieldSize ? static_cast<uint8_t>(value[i]) : 0);
        }
    }
    void check(bool condition) { fits = fits && condition; }
};

std::string_view nameAt(const std::vector<std::string>& names, size_t index) {
    return index < names.size() ? std::string_view(names[index]) : std::string_view();
}

// How many triangle corners use each vertex, as modelling tools keep it (capped at 255).
std::vector<uint8_t> referenceCounts(const ModelData& model) {
    std::vector<uint8_t> counts(model.vertices.size(), 0);
    for (const ModelTriangle& triangle : model.triangles) {
        for (const int32_t index : triangle.vertexIndices) {
            if (index >= 0 && static_cast<size_t>(index) < counts.size() &&
                counts[static_cast<size_t>(index)] < 255) {
                ++counts[static_cast<size_t>(index)];
            }
        }
    }
    return counts;
}

// The group each triangle belongs to (the first that lists it), 0 for none.
std::vector<int64_t> groupOfTriangles(const ModelData& model) {
    std::vector<int64_t> groups(model.triangles.size(), -1);
    for (size_t group = 0; group < model.meshes.size(); ++group) {
        for (const int32_t index : model.meshes[group].triangleIndices) {
            if (index >= 0 && static_cast<size_t>(index) < groups.size() &&
                groups[static_cast<size_t>(index)] < 0) {
                groups[static_cast<size_t>(index)] = static_cast<int64_t>(group);
            }
        }
    }
    for (int64_t& group : groups) {
        group = group < 0 ? 0 : group;
    }
    return groups;
}

void writeVertices(ByteWriter& out, const ModelData& model) {
    const std::vector<uint8_t> references = referenceCounts(model);
    out.u16(static_cast<int64_t>(model.vertices.size()));
    for (size_t i = 0; i < model.vertices.size(); ++i) {
        out.u8(0);  // flags
        out.floats(model.vertices[i].position, 3);
        out.u8(model.vertices[i].boneIndex);
        out.u8(references[i]);
    }
}

void writeTriangles(ByteWriter& out, const ModelData& model) {
    const std::vector<int64_t> groups = groupOfTriangles(model);
    out.u16(static_cast<int64_t>(model.triangles.size()));
    for (size_t i = 0; i < model.triangles.size(); ++i) {
        const ModelTriangle& triangle = model.triangles[i];
        out.u16(0);  // flags
        for (const int32_t index : triangle.vertexIndices) {
            out.u16(index);
        }
        out.floats(&triangle.normals[0][0], 9);
        out.floats(triangle.s, 3);
        for (const float t : triangle.t) {
            out.f32(1.0f - t);
        }
        out.u8(1);  // smoothing group
        out.check(groups[i] <= 0xFF);
        out.u8(static_cast<uint8_t>(groups[i]));
    }
}

void writeGroups(ByteWriter& out, const ModelData& model, const Ms3dNames& names) {
    out.u16(static_cast<int64_t>(model.meshes.size()));
    for (size_t i = 0; i < model.meshes.size(); ++i) {
        const ModelMesh& mesh = model.meshes[i];
        out.u8(0);  // flags
        out.text(nameAt(names.groups, i), ms3d::kNameSize);
        out.u16(static_cast<int64_t>(mesh.triangleIndices.size()));
        for (const int32_t index : mesh.triangleIndices) {
            out.u16(index);
        }
        out.i8(mesh.materialIndex);
    }
}

void writeMaterials(ByteWriter& out, const ModelData& model, const Ms3dNames& names) {
    out.u16(static_cast<int64_t>(model.materials.size()));
    for (size_t i = 0; i < model.materials.size(); ++i) {
        const ModelMaterial& material = model.materials[i];
        out.text(nameAt(names.materials, i), ms3d::kNameSize);
        out.floats(material.ambient, 4);
        out.floats(material.diffuse, 4);
        out.floats(material.specular, 4);
        out.floats(material.emissive, 4);
        out.f32(material.shininess);
        out.f32(1.0f);  // transparency: opaque
        out.u8(0);      // mode
        out.text(material.textureFile, ms3d::kFileNameSize);
        out.text("", ms3d::kFileNameSize);  // alpha map
    }
}

// Frames per second, current time and frame count of the animation, and no joints.
void writeStillAnimation(ByteWriter& out) {
    out.f32(24.0f);
    out.f32(0.0f);
    out.i32(1);
    out.u16(0);
}

}  // namespace

std::vector<uint8_t> writeMs3d(const ModelData& model, const Ms3dNames& names) {
    ByteWriter out;
    for (const char c : ms3d::kIdentifier) {
        out.u8(static_cast<uint8_t>(c));
    }
    out.i32(ms3d::kNewestVersion);
    writeVertices(out, model);
    writeTriangles(out, model);
    writeGroups(out, model, names);
    writeMaterials(out, model, names);
    writeStillAnimation(out);
    return out.fits ? std::move(out.bytes) : std::vector<uint8_t>();
}
