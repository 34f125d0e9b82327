#include "tools/jet_model/model_assembly.h"

#include <algorithm>

int ModelAssembly::addMaterial(const std::string& name, const ModelMaterial& material) {
    result_.model.materials.push_back(material);
    result_.names.materials.push_back(name);
    return static_cast<int>(result_.model.materials.size()) - 1;
}

void ModelAssembly::addGroup(const std::string& name, int materialIndex, double creaseCosine) {
    ModelMesh mesh;
    mesh.materialIndex = materialIndex;
    result_.model.meshes.push_back(mesh);
    result_.names.groups.push_back(name);
    creaseCosine_ = creaseCosine;
}

namespace {

// Scaled by the reciprocal of its length, which rounds differently from normalize's division;
// a zero vector stays zero.
Vector3 unit(Vector3 a) {
    const double size = vectorLength(a);
    return size > 0 ? scale(a, 1 / size) : a;
}

// Each triangle's normal scaled by twice its area.
std::vector<Vector3> areaNormals(const Solid& solid) {
    std::vector<Vector3> normals;
    normals.reserve(solid.triangles.size());
    for (const auto& [a, b, c] : solid.triangles) {
        normals.push_back(cross(subtract(solid.points[b], solid.points[a]),
                                subtract(solid.points[c], solid.points[a])));
    }
    return normals;
}

// For each point, the triangles that use it.
std::vector<std::vector<size_t>> trianglesAroundPoints(const Solid& solid) {
    std::vector<std::vector<size_t>> around(solid.points.size());
    for (size_t i = 0; i < solid.triangles.size(); ++i) {
        for (const int corner : solid.triangles[i]) {
            around[static_cast<size_t>(corner)].push_back(i);
        }
    }
    return around;
}

}  // namespace

void ModelAssembly::addSolid(const Solid& solid) {
    ModelData& model = result_.model;
    const int32_t firstVertex = static_cast<int32_t>(model.vertices.size());
    for (const Vector3& point : solid.points) {
        ModelVertex vertex;
        vertex.boneIndex = 0xFF;  // the format's "no joint"
        vertex.position[0] = static_cast<float>(point.x);
        vertex.position[1] = static_cast<float>(point.y);
        vertex.position[2] = static_cast<float>(point.z);
        model.vertices.push_back(vertex);
    }

    const std::vector<Vector3> normals = areaNormals(solid);
    const std::vector<std::vector<size_t>> around = trianglesAroundPoints(solid);
    for (size_t i = 0; i < solid.triangles.size(); ++i) {
        ModelTriangle triangle;
        const Vector3 faceDirection = unit(normals[i]);
        for (int corner = 0; corner < 3; ++corner) {
            const int point = solid.triangles[i][static_cast<size_t>(corner)];
            Vector3 sum;
            for (const size_t neighbour : around[static_cast<size_t>(point)]) {
                if (dot(unit(normals[neighbour]), faceDirection) >= creaseCosine_) {
                    sum = add(sum, normals[neighbour]);
                }
            }
            const Vector3 normal = unit(sum);
            triangle.normals[corner][0] = static_cast<float>(normal.x);
            triangle.normals[corner][1] = static_cast<float>(normal.y);
            triangle.normals[corner][2] = static_cast<float>(normal.z);
            triangle.vertexIndices[corner] = firstVertex + point;
        }
        model.meshes.back().triangleIndices.push_back(static_cast<int32_t>(model.triangles.size()));
        model.triangles.push_back(triangle);
    }
}

namespace {

double upwardFacing(const ModelData& model, int32_t triangleIndex) {
    const ModelTriangle& triangle = model.triangles[static_cast<size_t>(triangleIndex)];
    Vector3 corners[3];
    for (int corner = 0; corner < 3; ++corner) {
        const float* position =
            model.vertices[static_cast<size_t>(triangle.vertexIndices[corner])].position;
        corners[corner] = {position[0], position[1], position[2]};
    }
    return unit(cross(subtract(corners[1], corners[0]), subtract(corners[2], corners[0]))).y;
}

}  // namespace

NamedModel ModelAssembly::finish(Vector3 low, Vector3 high) const {
    NamedModel named = result_;
    for (ModelMesh& mesh : named.model.meshes) {
        std::stable_sort(mesh.triangleIndices.begin(), mesh.triangleIndices.end(),
                         [&](int32_t a, int32_t b) {
                             return upwardFacing(named.model, a) < upwardFacing(named.model, b);
                         });
    }
    for (ModelTriangle& triangle : named.model.triangles) {
        for (int corner = 0; corner < 3; ++corner) {
            const float* position =
                named.model.vertices[static_cast<size_t>(triangle.vertexIndices[corner])].position;
            triangle.s[corner] = static_cast<float>((position[0] - low.x) / (high.x - low.x));
            triangle.t[corner] = static_cast<float>((position[2] - low.z) / (high.z - low.z));
        }
    }
    return named;
}
