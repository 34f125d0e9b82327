// MS3D files made by MilkShape 3D and other tools (the assimp project's test models, from
// Debian's assimp-testmodels package) are read in full.
#include <gtest/gtest.h>

#include "tests/unit/model/model_test_files.h"

namespace {

struct SampleFile {
    const char* name;
    size_t vertices, triangles, groups, materials;
};

// jeep1's readme speaks of its 2032 polygons.
const SampleFile kSampleFiles[] = {
    {"Wuson", 2117, 3732, 1, 0},
    {"jeep1", 1190, 2032, 7, 1},
    {"twospheres", 124, 240, 2, 0},
    {"twospheres_withmats", 124, 240, 2, 2},
};

class SampleMs3dFile : public testing::TestWithParam<SampleFile> {};

TEST_P(SampleMs3dFile, ReadsEveryRecordAndEachTriangleBelongsToOneGroup) {
    const std::string path =
        std::string("/usr/share/assimp/models/MS3D/") + GetParam().name + ".ms3d";
    const std::optional<ModelData> model = parseMs3d(readFileBytes(path));
    ASSERT_TRUE(model.has_value()) << path << " (package assimp-testmodels)";
    EXPECT_EQ(model->vertices.size(), GetParam().vertices);
    EXPECT_EQ(model->triangles.size(), GetParam().triangles);
    EXPECT_EQ(model->meshes.size(), GetParam().groups);
    EXPECT_EQ(model->materials.size(), GetParam().materials);

    std::vector<int> groupsOfTriangle(model->triangles.size(), 0);
    for (const ModelMesh& mesh : model->meshes) {
        for (const int32_t index : mesh.triangleIndices) {
            ++groupsOfTriangle.at(static_cast<size_t>(index));
        }
    }
    EXPECT_EQ(std::count(groupsOfTriangle.begin(), groupsOfTriangle.end(), 1),
              static_cast<ptrdiff_t>(model->triangles.size()));
    // Modelling tools store unit normals; misread records would not give them.
    for (const ModelTriangle& triangle : model->triangles) {
        for (const auto& n : triangle.normals) {
            EXPECT_NEAR(n[0] * n[0] + n[1] * n[1] + n[2] * n[2], 1.0, 0.02);
        }
    }
    if (GetParam().name == std::string("jeep1")) {
        EXPECT_EQ(model->materials[0].textureFile, ".\\jeep1.jpg");
    }
}

INSTANTIATE_TEST_SUITE_P(AssimpTestModels, SampleMs3dFile, testing::ValuesIn(kSampleFiles),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
