#pragma once
// The jet model as read from a MilkShape 3D (MS3D) binary file: vertices, triangles,
// groups (meshes) and materials. Skeleton and animation data are not kept.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct ModelVertex {
    uint8_t boneIndex = 0;  // kept from the file, not used
    float position[3] = {};
};

struct ModelTriangle {
    float normals[3][3] = {};  // one normal per corner
    float s[3] = {};
    float t[3] = {};  // 1.0 minus the file's value
    int32_t vertexIndices[3] = {};
};

struct ModelMesh {
    int32_t materialIndex = -1;  // negative: no material
    std::vector<int32_t> triangleIndices;
};

struct ModelMaterial {
    float ambient[4] = {};
    float diffuse[4] = {};
    float specular[4] = {};
    float emissive[4] = {};
    float shininess = 0;
    uint32_t textureId = 0;   // OpenGL texture name, 0 for none; set after loading
    std::string textureFile;  // empty when the material names none
};

struct ModelData {
    std::vector<ModelMesh> meshes;
    std::vector<ModelMaterial> materials;
    std::vector<ModelTriangle> triangles;
    std::vector<ModelVertex> vertices;
};

// Parses an MS3D file of version 3 or 4. Refuses (nullopt) a file with another identifier or
// version, and a file that does not hold what its counts claim or whose indices or texture
// names do not fit; never reads outside `file`.
std::optional<ModelData> parseMs3d(std::span<const uint8_t> file);
