// The committed jet model file: exactly what the generator writes today, readable by the
// scene, and a jet of the size, orientation and surfaces the scene expects.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <set>

#include "tests/unit/model/model_test_files.h"
#include "tools/jet_model/jet_design.h"

namespace {

const std::string kJetFile = SORAVANE_SOURCE_DIR "/data/Soravane.data";

TEST(JetModelGenerator, WritesExactlyTheCommittedFile) {
    const NamedModel jet = buildJetModel();
    const std::vector<uint8_t> generated = writeMs3d(jet.model, jet.names);
    ASSERT_FALSE(generated.empty());
    EXPECT_TRUE(readFileBytes(kJetFile) == generated)
        << "data/Soravane.data is stale: rebuild it with the update_jet_model target";
}

struct Vec {
    double x, y, z;
};
Vec operator-(Vec a, Vec b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec cross(Vec a, Vec b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

class JetModelFile : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(jet.has_value()) << kJetFile; }

    Vec corner(const ModelTriangle& triangle, int c) const {
        const float* p = jet->vertices[static_cast<size_t>(triangle.vertexIndices[c])].position;
        return {p[0], p[1], p[2]};
    }
    const ModelTriangle& triangle(int32_t index) const {
        return jet->triangles[static_cast<size_t>(index)];
    }

    const std::vector<uint8_t> bytes = readFileBytes(kJetFile);
    const std::optional<ModelData> jet = parseMs3d(bytes);
};

TEST_F(JetModelFile, HasDistinctUntexturedMaterialsAndNoJoints) {
    EXPECT_EQ(bytes.at(ms3d::kIdentifier.size()), 4);         // version
    EXPECT_EQ(bytes.size(), Ms3dPositions(*jet).end() + 14);  // still animation, 0 joints
    EXPECT_EQ(bytes.back(), 0);
    EXPECT_GE(jet->meshes.size(), 6u);
    std::set<std::vector<float>> diffuseColours;
    for (const ModelMaterial& material : jet->materials) {
        EXPECT_EQ(material.textureFile, "");
        diffuseColours.insert(std::vector<float>(material.diffuse, material.diffuse + 3));
    }
    EXPECT_GE(diffuseColours.size(), 6u);
    EXPECT_EQ(diffuseColours.size(), jet->materials.size());
    for (const ModelMesh& mesh : jet->meshes) {
        EXPECT_GE(mesh.materialIndex, 0);
    }
}

TEST_F(JetModelFile, IsFourLongThreeAcrossCentredWithItsNoseAlongPlusZ) {
    Vec low{1e9, 1e9, 1e9}, high{-1e9, -1e9, -1e9}, nose = high, finTip = high;
    for (const ModelVertex& vertex : jet->vertices) {
        const Vec p{vertex.position[0], vertex.position[1], vertex.position[2]};
        low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
        nose = p.z > nose.z ? p : nose;
        finTip = p.y > finTip.y ? p : finTip;
    }
    EXPECT_NEAR(high.z - low.z, 4.0, 0.25);
    EXPECT_NEAR(high.x - low.x, 3.0, 0.25);
    for (const double centre : {low.x + high.x, low.y + high.y, low.z + high.z}) {
        EXPECT_NEAR(centre, 0, 1e-3);
    }
    // The foremost point is on the centre line; fins and the glowing nozzles are at the back.
    EXPECT_NEAR(nose.x, 0, 1e-3);
    EXPECT_LT(finTip.z, -0.5);
    for (const ModelMesh& mesh : jet->meshes) {
        if (jet->materials[static_cast<size_t>(mesh.materialIndex)].emissive[0] > 0.5f) {
            for (const int32_t index : mesh.triangleIndices) {
                EXPECT_LT(corner(triangle(index), 0).z, -1.5);
            }
        }
    }
}

// Lit correctly: every part is a closed surface whose triangles all run counter-clockwise
// seen from outside, and every corner normal is a unit vector on the outer side.
TEST_F(JetModelFile, EveryPartIsAClosedSurfaceWoundOutwards) {
    for (const ModelMesh& mesh : jet->meshes) {
        // Each edge used once in each direction: closed, and agreed on which side is outside.
        std::map<std::pair<int32_t, int32_t>, int> edgeUses;
        std::vector<int32_t> partOf(jet->vertices.size());
        std::iota(partOf.begin(), partOf.end(), 0);
        const auto part = [&](int32_t v) {
            while (partOf[static_cast<size_t>(v)] != v) {
                v = partOf[static_cast<size_t>(v)];
            }
            return v;
        };
        for (const int32_t index : mesh.triangleIndices) {
            const int32_t* v = triangle(index).vertexIndices;
            for (int c = 0; c < 3; ++c) {
                ++edgeUses[{v[c], v[(c + 1) % 3]}];
                partOf[static_cast<size_t>(part(v[c]))] = part(v[(c + 1) % 3]);
            }
        }
        for (const auto& [edge, uses] : edgeUses) {
            EXPECT_EQ(uses, 1);
            EXPECT_EQ(edgeUses.count({edge.second, edge.first}), 1u);
        }
        std::map<int32_t, double> volumes;  // of each separate part, positive when outwards
        for (const int32_t index : mesh.triangleIndices) {
            const ModelTriangle& t = triangle(index);
            volumes[part(t.vertexIndices[0])] +=
                dot(corner(t, 0), cross(corner(t, 1), corner(t, 2)));
            const Vec face = cross(corner(t, 1) - corner(t, 0), corner(t, 2) - corner(t, 0));
            for (const auto& n : t.normals) {
                EXPECT_NEAR(dot({n[0], n[1], n[2]}, {n[0], n[1], n[2]}), 1.0, 1e-4);
                EXPECT_GT(dot({n[0], n[1], n[2]}, face), 0);
            }
        }
        for (const auto& [start, volume] : volumes) {
            EXPECT_GT(volume, 0) << "part of vertex " << start;
        }
    }
}

}  // namespace
