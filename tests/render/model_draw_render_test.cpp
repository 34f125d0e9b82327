// Drawing the model: material colours, textures, the enable state it leaves behind, and the
// jet itself under the scene's light.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <functional>

#include "scene/model/mesh_model.h"
#include "tests/render/model_render_files.h"
#include "tests/render/render_helpers.h"

namespace {

// The unit square model filling a 32 x 32 window; the default light shines along -z onto its
// +z normals. Material 1 gets a texture of one colour.
class ModelDrawing : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(context.ok());
        viewUnitSquare();
        data.materials[1].textureFile =
            folder.write("pink.bmp", twoColumnBitmap({{255, 128, 255}}));
    }

    void loadAndDraw() {
        ASSERT_TRUE(model.load(folder.write("m.ms3d", writeMs3d(data)).c_str()));
        model.draw();
    }

    OsMesaContext context{32, 32};
    TempFolder folder;
    ModelData data = squareModel();
    Ms3dModel model;
};

TEST_F(ModelDrawing, LightsEachMeshWithItsMaterialsFourColours) {
    data.materials[0] = {
        {0, 0, 0.5f, 1}, {1, 0, 0, 1}, {0, 0, 0.5f, 1}, {0, 0.5f, 0, 1}, 10, 0, ""};
    data.meshes = {{0, {0, 1}}};
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    loadAndDraw();
    // Red: diffuse. Green: emission. Blue: 0.2 global ambient x 0.5, plus the full highlight.
    const OsMesaContext::Rgb centre = context.pixel(16, 16);
    EXPECT_NEAR(centre.r, 255, 2);
    EXPECT_NEAR(centre.g, 128, 2);
    EXPECT_NEAR(centre.b, 153, 2);
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
    glEnable(GL_LIGHT0);
    loadAndDraw();
    const OsMesaContext::Rgb textured = context.pixel(28, 4), plain = context.pixel(4, 28);
    EXPECT_NEAR(textured.r, 255, 2);
    EXPECT_NEAR(textured.g, 128, 2);
    EXPECT_NEAR(plain.r, 255, 2);
    EXPECT_NEAR(plain.g, 255, 2);
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
            glClear(GL_COLOR_BUFFER_BIT);
            loadAndDraw();
            EXPECT_EQ(glIsOn(GL_TEXTURE_2D), enabled) << meshes.size() << " meshes";
        }
    }
    // Without groups (the last model drawn), not a pixel was drawn.
    for (int y = 0; y < 32; y += 3) {
        for (int x = 0; x < 32; x += 3) {
            EXPECT_TRUE(isBlack(context.pixel(x, y)));
        }
    }
}

TEST_F(ModelDrawing, ShowsTheTexturePictureUprightAndBindsIt) {
    data.materials[1].textureFile =
        folder.write("updown.bmp", twoColumnBitmap({{0, 255, 0}, {255, 0, 0}}));  // green on red
    data.meshes = {{1, {0, 1}}};
    // The file counts t from the picture's top: t = 0 along the square's top edge.
    std::vector<uint8_t> bytes = writeMs3d(data);
    for (size_t triangle = 0; triangle < 2; ++triangle) {
        for (size_t c = 0; c < 3; ++c) {
            const int32_t vertex = data.triangles[triangle].vertexIndices[c];
            putFloat(bytes, Ms3dPositions(data).triangle(triangle) + ms3d::kTriangleTOffset + 4 * c,
                     1 - data.vertices[static_cast<size_t>(vertex)].position[1]);
        }
    }
    ASSERT_TRUE(model.load(folder.write("upright.ms3d", bytes).c_str()));
    ASSERT_NE(model.data().materials[1].textureId, 0u);

    glColor3f(1, 1, 1);  // unlit: the picture shows as it is
    model.draw();
    EXPECT_EQ(boundTexture(), static_cast<GLint>(model.data().materials[1].textureId));
    const OsMesaContext::Rgb top = context.pixel(16, 26), bottom = context.pixel(16, 5);
    EXPECT_GT(top.g, 200);
    EXPECT_LT(top.r, 60);
    EXPECT_GT(bottom.r, 200);
    EXPECT_LT(bottom.g, 60);
}

// The jet under the scene's light (above the eye) and projection, seen from close by.
class JetDrawing : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(context.ok());
        ASSERT_TRUE(jet.load(SORAVANE_SOURCE_DIR "/data/Soravane.data"));
    }

    int pixelsSeenFrom(double x, double y, double z,
                       const std::function<bool(OsMesaContext::Rgb)>& wanted) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45, 160.0 / 120.0, 0.1, 2000);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        const float light[4] = {1, 140, 1, 1};
        glLightfv(GL_LIGHT0, GL_POSITION, light);
        glEnable(GL_LIGHT0);
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LEQUAL);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        gluLookAt(x, y, z, 0, 0, 0, 0, 1, 0);
        glEnable(GL_LIGHTING);
        jet.draw();
        glDisable(GL_LIGHTING);
        int count = 0;
        for (int py = 0; py < 120; ++py) {
            for (int px = 0; px < 160; ++px) {
                count += wanted(context.pixel(px, py)) ? 1 : 0;
            }
        }
        return count;
    }

    OsMesaContext context{160, 120};
    Ms3dModel jet;
};

bool isLitGrey(OsMesaContext::Rgb c) {
    return c.r > 90 && std::abs(c.r - c.g) < 25 && std::abs(c.b - c.r) < 35;
}
bool isCanopyBlue(OsMesaContext::Rgb c) {
    return c.b > c.r + 40 && c.b > c.g + 20;
}
bool isAfterburnerGlow(OsMesaContext::Rgb c) {
    return c.r > 200 && c.g > 60 && c.b < 90;
}

TEST_F(JetDrawing, ShowsItsGreysAndCanopyFromAboveAndItsGlowFromBehind) {
    EXPECT_GT(pixelsSeenFrom(4, 2.5, 5, isLitGrey), 300);  // from the front left, above
    EXPECT_GT(pixelsSeenFrom(4, 2.5, 5, isCanopyBlue), 20);
    EXPECT_EQ(pixelsSeenFrom(4, 2.5, 5, isAfterburnerGlow), 0);
    EXPECT_GT(pixelsSeenFrom(0.5, 1.0, -6, isAfterburnerGlow), 10);
}

}  // namespace
