// Loading the model from disk, and its material textures with and without a rendering
// context.
#include <GL/osmesa.h>
#include <gtest/gtest.h>

#include "scene/model/mesh_model.h"
#include "tests/render/model_render_files.h"
#include "tests/render/osmesa_context.h"

namespace {

bool isEmpty(const MeshModel& model) {
    const ModelData& data = model.data();
    return data.vertices.empty() && data.triangles.empty() && data.meshes.empty() &&
           data.materials.empty();
}

TEST(ModelLoading, FailsOnAMissingFileWithoutCreatingIt) {
    TempFolder folder;
    Ms3dModel model;
    EXPECT_FALSE(model.load(folder.file("absent.ms3d").c_str()));
    EXPECT_FALSE(std::filesystem::exists(folder.file("absent.ms3d")));
    EXPECT_FALSE(model.load(nullptr));
    EXPECT_FALSE(model.load(folder.file("").c_str()));  // a folder
    EXPECT_TRUE(isEmpty(model));
}

TEST(ModelLoading, RefusedFileLeavesTheModelEmpty) {
    TempFolder folder;
    std::vector<uint8_t> bytes = writeMs3d(squareModel());
    Ms3dModel model;
    ASSERT_TRUE(model.load(folder.write("good.ms3d", bytes).c_str()));
    EXPECT_EQ(model.data().triangles.size(), 2u);
    bytes.resize(bytes.size() / 2);
    EXPECT_FALSE(model.load(folder.write("cut.ms3d", bytes).c_str()));
    EXPECT_TRUE(isEmpty(model));
}

// Material 0 names no texture file, 1 a readable bitmap, 2 a file that does not exist.
class MaterialTextures : public testing::Test {
protected:
    void SetUp() override {
        ModelData data = squareModel();
        data.materials[1].textureFile = folder.write("skin.bmp", twoColumnBitmap({{1, 2, 3}}));
        data.materials.push_back(data.materials[1]);
        data.materials[2].textureFile = folder.file("missing.bmp");
        modelFile = folder.write("m.ms3d", writeMs3d(data));
    }

    std::vector<uint32_t> textureIds() const {
        std::vector<uint32_t> ids;
        for (const ModelMaterial& material : model.data().materials) {
            ids.push_back(material.textureId);
        }
        return ids;
    }

    TempFolder folder;
    std::string modelFile;
    Ms3dModel model;
};

TEST_F(MaterialTextures, StayZeroWithoutARenderingContext) {
    OSMesaMakeCurrent(nullptr, nullptr, 0, 0, 0);  // as when the program loads its model
    ASSERT_TRUE(model.load(modelFile.c_str()));
    model.loadMaterialTextures();
    EXPECT_EQ(textureIds(), (std::vector<uint32_t>{0, 0, 0}));
}

TEST_F(MaterialTextures, BecomeTexturesOnceAContextIsCurrent) {
    ASSERT_TRUE(model.load(modelFile.c_str()));
    OsMesaContext context(8, 8);
    ASSERT_TRUE(context.ok());
    model.loadMaterialTextures();
    const std::vector<uint32_t> ids = textureIds();
    EXPECT_EQ(ids[0], 0u);
    EXPECT_EQ(glIsTexture(ids[1]), GL_TRUE);
    EXPECT_EQ(ids[2], 0u);
}

}  // namespace
