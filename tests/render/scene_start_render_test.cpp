// Scene start-up: the work-folder bitmaps become textures and the world gets its state.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "scene/model/mesh_model.h"
#include "scene/scene_start.h"
#include "scene/textures.h"
#include "tests/render/render_helpers.h"
#include "tests/support/bmp_file_writer.h"
#include "tests/support/temp_folder.h"

namespace {

class SceneStartTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(context.ok()); }
    void TearDown() override { releaseScene(world); }

    SnapshotPaths paths() const { return {sky.c_str(), ground.c_str(), smoke.c_str()}; }

    OsMesaContext context{32, 32};
    TempFolder folder;
    std::string sky = folder.file("Skymere3.bmp");
    std::string ground = folder.file("Skymere1.bmp");
    std::string smoke = folder.file("Skymere2.bmp");
    Ms3dModel model;  // empty: the start-up only asks it for its material textures
    World world;
};

TEST_F(SceneStartTest, AllThreeBitmapsBecomeMipmappedTexturesAndTheWorldStarts) {
    ASSERT_TRUE(writeSolidTestBmp(sky, 64, 64, {0, 0, 255}));
    ASSERT_TRUE(writeSolidTestBmp(ground, 100, 75, {255, 0, 0}));  // a screen-like size
    ASSERT_TRUE(writeSolidTestBmp(smoke, 32, 32, {255, 255, 255}));
    ASSERT_TRUE(initScene(world, model, paths()));
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_NE(world.textures[slot], 0u) << slot;
    }
    EXPECT_EQ(world.textures[kExplosionTexture], 0u);

    glBindTexture(GL_TEXTURE_2D, world.textures[kGroundTexture]);
    GLint minFilter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    EXPECT_EQ(minFilter, GL_LINEAR_MIPMAP_NEAREST);
    GLint level1Width = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &level1Width);
    EXPECT_GT(level1Width, 0);  // a full chain of levels

    EXPECT_FLOAT_EQ(world.jet.y, 10);
    EXPECT_EQ(world.eye.y, world.jet.y + 4.0);
    EXPECT_EQ(world.smokePuffs[0].life, -1);
    EXPECT_NE(world.skyQuadric, nullptr);
    EXPECT_TRUE(glIsOn(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsOn(GL_LIGHT0));
    EXPECT_FALSE(glIsOn(GL_LIGHTING));  // only around the jet
}

TEST_F(SceneStartTest, MissingBitmapsLeaveTheirSlotsEmpty) {
    ASSERT_TRUE(writeSolidTestBmp(ground, 8, 8, {9, 9, 9}));
    ASSERT_TRUE(initScene(world, model, paths()));
    EXPECT_EQ(world.textures[kSkyTexture], 0u);
    EXPECT_NE(world.textures[kGroundTexture], 0u);
    EXPECT_EQ(world.textures[kSmokeTexture], 0u);
}

TEST_F(SceneStartTest, NoBitmapAtAllRefusesToStartAndTouchesNothing) {
    EXPECT_FALSE(initScene(world, model, paths()));
    EXPECT_EQ(world.jet.y, 0);
    EXPECT_EQ(world.smokePuffs[0].life, 0);
    EXPECT_EQ(world.skyQuadric, nullptr);
    EXPECT_FALSE(glIsOn(GL_DEPTH_TEST));
}

TEST_F(SceneStartTest, ModelTextureKeepsItsOwnSizeAndOddWidthRowsDoNotShear) {
    // Three pixels a row: 9 bytes, not a multiple of 4.
    const std::string path = folder.file("odd.bmp");
    ASSERT_TRUE(writeTestBmp(path, 3, 2, [](int x, int y) {
        return TestRgb{static_cast<uint8_t>(10 + x), static_cast<uint8_t>(20 + y), 30};
    }));
    const uint32_t name = loadBitmapTexture(path.c_str());
    ASSERT_NE(name, 0u);
    glBindTexture(GL_TEXTURE_2D, name);
    GLint width = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    EXPECT_EQ(width, 3);
    uint8_t texels[2][3][3] = {};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels);
    // Row 0 of the texture is the picture's bottom row.
    EXPECT_EQ(texels[0][2][0], 12);
    EXPECT_EQ(texels[0][2][1], 21);
    EXPECT_EQ(texels[1][0][1], 20);
    EXPECT_EQ(texels[1][1][2], 30);
}

TEST(TexturesWithoutContext, ReadTheFileButMakeNoTexture) {
    TempFolder folder;
    const std::string path = folder.file("a.bmp");
    ASSERT_TRUE(writeSolidTestBmp(path, 4, 4, {1, 2, 3}));
    EXPECT_NE(loadBitmapIfPresent(path.c_str()), nullptr);
    EXPECT_EQ(loadBitmapIfPresent(folder.file("missing.bmp").c_str()), nullptr);
    EXPECT_EQ(loadBitmapIfPresent(nullptr), nullptr);
    EXPECT_EQ(loadBitmapTexture(path.c_str()), 0u);
}

}  // namespace
