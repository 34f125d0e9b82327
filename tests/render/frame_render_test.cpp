// Whole frames of the scene drawn into a Mesa offscreen buffer, checked by their pixels.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "scene/frame.h"
#include "scene/model/mesh_model.h"
#include "scene/scene_drawing.h"
#include "scene/scene_start.h"
#include "tests/render/render_helpers.h"
#include "tests/support/bmp_file_writer.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 120;

bool isSkyBlue(OsMesaContext::Rgb c) {
    return c.b > 200 && c.r < 40 && c.g < 40;
}
bool isGroundRed(OsMesaContext::Rgb c) {
    return c.r > 150 && c.g < 40 && c.b < 40;
}

// The scene with a blue sky, a red ground, a white puff picture and the shipped jet model,
// the eye placed a little behind and above the jet so that sky, ground and jet all show.
class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(context.ok());
        ASSERT_TRUE(model.load(SORAVANE_SOURCE_DIR "/data/Soravane.data"));
        ASSERT_TRUE(writeSolidTestBmp(folder.file("sky.bmp"), 16, 16, {0, 0, 255}));
        ASSERT_TRUE(writeSolidTestBmp(folder.file("ground.bmp"), 16, 16, {255, 0, 0}));
        ASSERT_TRUE(writeTestBmp(folder.file("smoke.bmp"), 8, 8, [](int x, int y) {
            const bool centre = x > 1 && x < 6 && y > 1 && y < 6;
            return centre ? TestRgb{255, 255, 255} : TestRgb{0, 0, 0};
        }));
        const std::string sky = folder.file("sky.bmp");
        const std::string ground = folder.file("ground.bmp");
        const std::string smoke = folder.file("smoke.bmp");
        resizeScene(kWidth, kHeight);
        ASSERT_TRUE(initScene(world, model, {sky.c_str(), ground.c_str(), smoke.c_str()}));
        world.jet.heading = -90;  // flying along +x
        world.eye = {world.jet.x - 20, 14, world.jet.z};
    }
    void TearDown() override { releaseScene(world); }

    OsMesaContext context{kWidth, kHeight};
    TempFolder folder;
    Ms3dModel model;
    World world;
};

TEST_F(FrameTest, ShowsSkyAboveGroundBelowAndTheJetInTheMiddle) {
    ASSERT_EQ(renderFrame(world, model), 1);
    EXPECT_TRUE(isSkyBlue(context.pixel(kWidth / 2, kHeight - 2)));
    EXPECT_TRUE(isGroundRed(context.pixel(kWidth / 2, 2)));
    const OsMesaContext::Rgb centre = context.pixel(kWidth / 2, kHeight / 2);
    EXPECT_FALSE(isSkyBlue(centre));
    EXPECT_FALSE(isGroundRed(centre));
    EXPECT_FALSE(isBlack(centre));
}

TEST_F(FrameTest, LeavesTheStateEveryStepExpects) {
    for (int frame = 0; frame < 5; ++frame) {
        renderFrame(world, model);
    }
    EXPECT_FALSE(glIsOn(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsOn(GL_BLEND));
    EXPECT_FALSE(glIsOn(GL_LIGHTING));
    EXPECT_EQ(depthWriteMask(), GL_TRUE);
    const CurrentColour colour = currentColour();
    EXPECT_EQ(colour.r, 1);
    EXPECT_EQ(colour.g, 1);
    EXPECT_EQ(colour.b, 1);
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(FrameTest, FlightSmokeAndGunfireAdvanceOncePerFrame) {
    const float startX = world.jet.x;
    world.burstFrames = 9;  // a burst fires on the next frame (8 is a multiple of 4)
    renderFrame(world, model);
    EXPECT_GT(world.jet.x, startX);
    int shownPuffs = 0;
    for (const SmokePuff& puff : world.smokePuffs) {
        shownPuffs += puff.life > 0 ? 1 : 0;
    }
    EXPECT_EQ(shownPuffs, 2);
    EXPECT_EQ(world.smokePuffs[0].life, 99);  // drawn once, aged once
    ASSERT_EQ(world.bullets[0].active, 1);
    // Fired from the jet's place before its step, then moved once in the same frame.
    EXPECT_NEAR(world.bullets[0].x, startX + world.bullets[0].vx, 1e-3);
}

TEST_F(FrameTest, SkyFollowsTheEyeInXAndZOnly) {
    // An eye far up looks at the jet; the sky's centre stays on the ground below the eye, so
    // looking from 900 up the dome (radius 1000) still surrounds the eye.
    world.eye = {world.jet.x - 300, 900, world.jet.z};
    renderFrame(world, model);
    EXPECT_TRUE(isGroundRed(context.pixel(kWidth / 2, kHeight / 2 - 10)));
    world.eye.y = 1100;  // above the dome: its outside is seen from above, no sky beyond
    renderFrame(world, model);
    EXPECT_TRUE(isSkyBlue(context.pixel(kWidth / 2, kHeight / 2 - 10)));
}

TEST_F(FrameTest, ExplosionAddsRedAndSmokeAddsLight) {
    // Over a cleared (black) picture, both centred where the camera looks.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    placeCamera(world);
    Bullet& bullet = world.bullets[5];
    bullet.exploding = 1;
    bullet.progress = 0.5f;  // 0.6 after this frame's step: size 2.4, red 0.4
    bullet.x = world.jet.x;
    bullet.y = world.jet.y;
    bullet.z = world.jet.z;
    updateBullets(world);
    const OsMesaContext::Rgb red = context.pixel(kWidth / 2, kHeight / 2);
    EXPECT_NEAR(red.r, 102, 2);
    EXPECT_EQ(red.g, 0);

    SmokePuff& puff = world.smokePuffs[0];
    puff = {world.jet.x, world.jet.y, world.jet.z, 1, 0.5f, 0.5f, 0.5f, 10};
    updateSmoke(world);
    const OsMesaContext::Rgb lit = context.pixel(kWidth / 2, kHeight / 2);
    EXPECT_NEAR(lit.r, 102 + 128, 3);
    EXPECT_NEAR(lit.g, 128, 3);
    EXPECT_EQ(puff.life, 9);
}

TEST(ResizeScene, ZeroHeightCountsAsOne) {
    OsMesaContext context(64, 64);
    ASSERT_TRUE(context.ok());
    resizeScene(640, 0);
    GLdouble projection[16] = {};
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    const double f = 1 / std::tan(22.5 * 3.14159265358979 / 180);
    EXPECT_NEAR(projection[5], f, 1e-6);        // the matrix is kept in single precision
    EXPECT_NEAR(projection[0] * 640, f, 1e-5);  // aspect 640 / 1
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 640);
    EXPECT_EQ(viewport[3], 1);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
}

}  // namespace
