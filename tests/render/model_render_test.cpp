// Loading the model and drawing it: material colours, per-corner normals, textures and the
// texture switch it leaves as it found it.
#include <GL/gl.h>

#include <filesystem>

#include "scene/model/mesh_model.h"
#include "tests/render/render_support.h"
#include "tests/unit/model/model_test_files.h"

namespace {

// A 24-bit bitmap file two pixels wide, each row of one colour, `rows` top first.
std::vector<uint8_t> twoColumnBitmap(const std::vector<TestRgb>& rows) {
    return encodeTestBmp(2, static_cast<int>(rows.size()),
                         [&](int, int y) { return rows[static_cast<size_t>(y)]; });
}

// The test model's unit square filling a 32 x 32 window, lit by the default light along -z.
class ModelDrawing : public RenderTest {
protected:
    ModelDrawing() : RenderTest(32, 32) {}
    void SetUp() override {
        RenderTest::SetUp();
        glMatrixMode(GL_PROJECTION);
        glOrtho(0, 1, 0, 1, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glEnable(GL_LIGHT0);
        data.materials[1].textureFile =
            folder.write("pink.bmp", twoColumnBitmap({{255, 128, 255}}));
    }
    void loadAndDraw() {
        ASSERT_TRUE(model.load(folder.write("m.ms3d", writeMs3d(data)).c_str()));
        glClear(GL_COLOR_BUFFER_BIT);
        model.draw();
    }

    ModelData data = squareModel();
    Ms3dModel model;
};

TEST_F(ModelDrawing, LightsEachCornerWithItsNormalAndTheMaterialsFourColours) {
    data.materials[0] = {
        {0, 0, 0.5f, 1}, {1, 0, 0, 1}, {0, 0, 0.5f, 1}, {0, 0.5f, 0, 1}, 10, 0, ""};
    data.meshes = {{0, {0, 1}}};
    glEnable(GL_LIGHTING);
    loadAndDraw();
    // Red: diffuse, the normal's z. Green: emission. Blue: 0.2 global ambient x 0.5, plus the
    // highlight, the normal's z to the 10th power x 0.5. The normals tilt from bottom to top.
    const struct {
        int y;
        Rgb colour;
    } rows[] = {{1, {255, 128, 151}}, {30, {207, 128, 42}}};
    for (const auto& row : rows) {
        const Rgb c = pixel(16, row.y);
        EXPECT_NEAR(c.r, row.colour.r, 3) << row.y;
        EXPECT_NEAR(c.g, row.colour.g, 3) << row.y;
        EXPECT_NEAR(c.b, row.colour.b, 3) << row.y;
    }
}

TEST_F(ModelDrawing, MeshWithoutMaterialKeepsTheColoursButNotTheTexture) {
    // Yellow with the pink texture shows orange; untextured it stays yellow.
    data.materials[1] = {{0, 0, 0, 1},
                         {1, 1, 0, 1},
                         {0, 0, 0, 1},
                         {0, 0, 0, 1},
                         1,
                         0,
                         data.materials[1].textureFile};
    data.meshes = {{1, {0}}, {-1, {1}}};  // the lower right half, then the upper left half
    glEnable(GL_LIGHTING);
    loadAndDraw();
    EXPECT_NEAR(pixel(28, 2).g, 128, 3);
    EXPECT_GT(pixel(2, 28).g, 200);
}

TEST_F(ModelDrawing, LeavesTheTextureSwitchAsItFoundIt) {
    const std::vector<std::vector<ModelMesh>> meshOrders = {
        {{0, {0}}, {1, {1}}},   // ends textured
        {{1, {0}}, {-1, {1}}},  // ends untextured
        {},                     // draws nothing at all
    };
    for (const std::vector<ModelMesh>& meshes : meshOrders) {
        data.meshes = meshes;
        for (const bool enabled : {false, true}) {
            enabled ? glEnable(GL_TEXTURE_2D) : glDisable(GL_TEXTURE_2D);
            loadAndDraw();
            EXPECT_EQ(on(GL_TEXTURE_2D), enabled) << meshes.size() << " meshes";
        }
    }
    EXPECT_TRUE(isBlack(pixel(16, 16)));  // the model without groups drew nothing
}

TEST_F(ModelDrawing, ShowsItsTexturePictureUprightAndSmoothlyMagnified) {
    // Green on yellow on red, and t counted from the picture's top in the file.
    data.materials[1].textureFile =
        folder.write("updown.bmp", twoColumnBitmap({{0, 255, 0}, {255, 255, 0}, {255, 0, 0}}));
    data.meshes = {{1, {0, 1}}};
    ASSERT_TRUE(model.load(folder.write("upright.ms3d", writeMs3d(data)).c_str()));
    ASSERT_NE(model.data().materials[1].textureId, 0u);
    glBindTexture(GL_TEXTURE_2D, 0);
    glColor3f(1, 1, 1);  // unlit: the picture shows as it is
    model.draw();
    const struct {
        int y;
        bool red, green;
    } rows[] = {{5, true, false}, {16, true, true}, {26, false, true}};
    for (const auto& row : rows) {
        const Rgb c = pixel(16, row.y);
        EXPECT_EQ(c.r > 230, row.red) << row.y;
        EXPECT_EQ(c.g > 230, row.green) << row.y;
    }
    EXPECT_NEAR(pixel(16, 11).g, 148, 20);  // between the lower two rows: blended
}

TEST(ModelLoading, FailuresLeaveTheModelEmptyAndCreateNoFile) {
    TempFolder folder;
    Ms3dModel model;
    std::vector<uint8_t> bytes = writeMs3d(squareModel());
    ASSERT_TRUE(model.load(folder.write("good.ms3d", bytes).c_str()));
    bytes.resize(bytes.size() / 2);
    for (const std::string& path :
         {folder.write("cut.ms3d", bytes), folder.file("absent.ms3d"), folder.file("")}) {
        EXPECT_FALSE(model.load(path.c_str())) << path;
        EXPECT_TRUE(model.data().vertices.empty() && model.data().triangles.empty() &&
                    model.data().meshes.empty() && model.data().materials.empty());
    }
    EXPECT_FALSE(model.load(nullptr));
    EXPECT_FALSE(std::filesystem::exists(folder.file("absent.ms3d")));
}

TEST(ModelLoading, MaterialTexturesNeedACurrentContext) {
    TempFolder folder;
    ModelData data = squareModel();
    data.materials[1].textureFile = folder.write("skin.bmp", twoColumnBitmap({{1, 2, 3}}));
    data.materials.push_back(data.materials[1]);
    data.materials[2].textureFile = folder.file("missing.bmp");
    Ms3dModel model;
    ASSERT_TRUE(model.load(folder.write("m.ms3d", writeMs3d(data)).c_str()));
    const auto ids = [&]() {
        std::vector<uint32_t> names;
        for (const ModelMaterial& material : model.data().materials) {
            names.push_back(material.textureId);
        }
        return names;
    };
    EXPECT_EQ(ids(), (std::vector<uint32_t>{0, 0, 0}));  // as when the program loads its model
    OSMesaContext context = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
    std::vector<uint8_t> buffer(8 * 8 * 4);
    ASSERT_TRUE(OSMesaMakeCurrent(context, buffer.data(), GL_UNSIGNED_BYTE, 8, 8));
    model.loadMaterialTextures();
    EXPECT_EQ(ids()[0], 0u);
    EXPECT_EQ(glIsTexture(ids()[1]), GL_TRUE);
    EXPECT_EQ(ids()[2], 0u);
    OSMesaDestroyContext(context);
}

}  // namespace
