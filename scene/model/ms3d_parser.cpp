// Reads the geometry and materials of an MS3D file. The file is not trusted: every count is
// checked against the bytes that are left before anything is allocated for it, and every
// index against the section it points into, so a model that parses can be drawn without
// further checks.
#include <algorithm>
#include <new>
#include <utility>

#include "scene/model/little_endian_cursor.h"
#include "scene/model/model_data.h"
#include "scene/model/ms3d_layout.h"

namespace {

void readFloats(LittleEndianCursor& cursor, float* values, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        values[i] = cursor.f32();
    }
}

// A section's 16-bit count, refused when the rest of the file cannot hold that many records
// of at least `minimumRecordSize` bytes.
std::optional<size_t> readCount(LittleEndianCursor& cursor, size_t minimumRecordSize) {
    const size_t count = cursor.u16();
    if (cursor.failed() || count > cursor.remaining() / minimumRecordSize) {
        return std::nullopt;
    }
    return count;
}

bool readHeader(LittleEndianCursor& cursor) {
    const std::span<const uint8_t> identifier = cursor.take(ms3d::kIdentifier.size());
    const int32_t version = cursor.i32();
    return !cursor.failed() &&
           std::equal(identifier.begin(), identifier.end(), ms3d::kIdentifier.begin(),
                      ms3d::kIdentifier.end()) &&
           version >= ms3d::kOldestVersion && version <= ms3d::kNewestVersion;
}

bool readVertices(LittleEndianCursor& cursor, std::vector<ModelVertex>& vertices) {
    const std::optional<size_t> count = readCount(cursor, ms3d::kVertexSize);
    if (!count) {
        return false;
    }
    vertices.resize(*count);
    for (ModelVertex& vertex : vertices) {
        const std::span<const uint8_t> record = cursor.take(ms3d::kVertexSize);
        LittleEndianCursor fields(record, ms3d::kVertexPositionOffset);
        readFloats(fields, vertex.position, 3);
        vertex.boneIndex = fields.u8();  // right after the position
    }
    return true;
}

bool readTriangles(LittleEndianCursor& cursor, size_t vertexCount,
                   std::vector<ModelTriangle>& triangles) {
    const std::optional<size_t> count = readCount(cursor, ms3d::kTriangleSize);
    if (!count) {
        return false;
    }
    triangles.resize(*count);
    for (ModelTriangle& triangle : triangles) {
        LittleEndianCursor record(cursor.take(ms3d::kTriangleSize));
        record.skip(ms3d::kTriangleIndicesOffset);
        for (int32_t& index : triangle.vertexIndices) {
            index = record.u16();
            if (static_cast<size_t>(index) >= vertexCount) {
                return false;
            }
        }
        readFloats(record, &triangle.normals[0][0], 9);
        readFloats(record, triangle.s, 3);
        readFloats(record, triangle.t, 3);
        // The file counts t from the picture's top row; OpenGL counts from its bottom row.
        for (float& t : triangle.t) {
            t = 1.0f - t;
        }
    }
    return true;
}

bool readGroups(LittleEndianCursor& cursor, size_t triangleCount, std::vector<ModelMesh>& meshes) {
    const std::optional<size_t> count = readCount(cursor, ms3d::kGroupFixedSize);
    if (!count) {
        return false;
    }
    meshes.resize(*count);
    for (ModelMesh& mesh : meshes) {
        cursor.skip(ms3d::kGroupCountOffset);
        const size_t indexCount = cursor.u16();
        if (cursor.failed() || indexCount > cursor.remaining() / 2) {
            return false;
        }
        mesh.triangleIndices.resize(indexCount);
        for (int32_t& index : mesh.triangleIndices) {
            index = cursor.u16();
            if (static_cast<size_t>(index) >= triangleCount) {
                return false;
            }
        }
        mesh.materialIndex = cursor.i8();
    }
    return !cursor.failed();
}

// The NUL-terminated name in a fixed-size field; nothing when the field holds no NUL.
std::optional<std::string> readFileName(std::span<const uint8_t> field) {
    const auto end = std::find(field.begin(), field.end(), uint8_t{0});
    if (end == field.end()) {
        return std::nullopt;
    }
    return std::string(field.begin(), end);
}

bool readMaterials(LittleEndianCursor& cursor, std::vector<ModelMaterial>& materials) {
    const std::optional<size_t> count = readCount(cursor, ms3d::kMaterialSize);
    if (!count) {
        return false;
    }
    materials.resize(*count);
    for (ModelMaterial& material : materials) {
        const std::span<const uint8_t> record = cursor.take(ms3d::kMaterialSize);
        LittleEndianCursor colours(record, ms3d::kMaterialAmbientOffset);
        readFloats(colours, material.ambient, 4);
        readFloats(colours, material.diffuse, 4);
        readFloats(colours, material.specular, 4);
        readFloats(colours, material.emissive, 4);
        material.shininess = colours.f32();
        std::optional<std::string> textureFile = readFileName(
            LittleEndianCursor(record, ms3d::kMaterialTextureOffset).take(ms3d::kFileNameSize));
        if (!textureFile) {
            return false;
        }
        material.textureFile = std::move(*textureFile);
    }
    return true;
}

bool materialIndicesFit(const ModelData& model) {
    return std::all_of(model.meshes.begin(), model.meshes.end(), [&](const ModelMesh& mesh) {
        return mesh.materialIndex < 0 ||
               static_cast<size_t>(mesh.materialIndex) < model.materials.size();
    });
}

}  // namespace

std::optional<ModelData> parseMs3d(std::span<const uint8_t> file) {
    try {
        LittleEndianCursor cursor(file);
        ModelData model;
        if (!readHeader(cursor) || !readVertices(cursor, model.vertices) ||
            !readTriangles(cursor, model.vertices.size(), model.triangles) ||
            !readGroups(cursor, model.triangles.size(), model.meshes) ||
            !readMaterials(cursor, model.materials) || cursor.failed() ||
            !materialIndicesFit(model)) {
            return std::nullopt;
        }
        return model;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}
