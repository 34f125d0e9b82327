// The additive camera-facing square of smoke and explosions.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include "scene/billboard.h"
#include "tests/render/render_helpers.h"

namespace {

// Looking straight down the y axis at the origin, 4 units of world across 64 pixels.
class BillboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(context.ok());
        glViewport(0, 0, 64, 64);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-2, 2, -2, 2, 0.1, 20);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(0, 10, 0, 0, 0, 0, 0, 0, -1);
        glEnable(GL_DEPTH_TEST);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    // Window pixel of the world point (x, 0, z) in this view.
    OsMesaContext::Rgb at(double x, double z) const {
        return context.pixel(static_cast<int>((x + 2) / 4 * 64),
                             static_cast<int>((2 - z) / 4 * 64));
    }

    OsMesaContext context{64, 64};
    World world;  // texture slot 3 holds name 0: the colour alone shows
};

TEST_F(BillboardTest, DiamondWithCornersOnTheAxesSizeAwayFromTheCentre) {
    drawBillboard(world, {0, 0, 0}, 1, 0.4f, 0, 0, 0, 10, 0, kExplosionTexture);
    EXPECT_NEAR(at(0, 0).r, 102, 2);
    EXPECT_NEAR(at(0.85, 0).r, 102, 2);
    EXPECT_NEAR(at(0, -0.85).r, 102, 2);
    EXPECT_TRUE(isBlack(at(1.2, 0)));
    EXPECT_TRUE(isBlack(at(0.7, 0.7)));  // outside |x| + |z| <= 1
    EXPECT_EQ(at(0, 0).g, 0);
}

TEST_F(BillboardTest, AddsItsColourAndLeavesStateAsDocumented) {
    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    drawBillboard(world, {0, 0, 0}, 1, 0.25f, 0.5f, 0, 0, 10, 0, kExplosionTexture);
    drawBillboard(world, {0, 0, 0}, 1, 0.25f, 0.25f, 0, 0, 10, 0, kExplosionTexture);
    EXPECT_NEAR(at(0, 0).r, 128, 2);  // additive: 0.25 + 0.25
    EXPECT_NEAR(at(0, 0).g, 191, 2);
    EXPECT_FALSE(glIsOn(GL_BLEND));
    EXPECT_FALSE(glIsOn(GL_TEXTURE_2D));
    EXPECT_EQ(depthWriteMask(), GL_TRUE);
    EXPECT_EQ(boundTexture(), 0);
    EXPECT_FLOAT_EQ(currentColour().g, 0.25f);
}

TEST_F(BillboardTest, HiddenBehindNearerGeometryButHidesNothing) {
    // An opaque green square above the billboard's left half.
    glColor3f(0, 1, 0);
    glBegin(GL_QUADS);
    glVertex3f(-2, 1, -2);
    glVertex3f(-2, 1, 2);
    glVertex3f(0, 1, 2);
    glVertex3f(0, 1, -2);
    glEnd();
    drawBillboard(world, {0, 0, 0}, 1, 1, 0, 0, 0, 10, 0, kExplosionTexture);
    EXPECT_EQ(at(-0.5, 0).r, 0);
    EXPECT_EQ(at(-0.5, 0).g, 255);
    EXPECT_EQ(at(0.5, 0).r, 255);
    // Depth writes were off: a later opaque square below it still shows where it overlaps.
    glColor3f(0, 0, 1);
    glBegin(GL_QUADS);
    glVertex3f(0, -1, -2);
    glVertex3f(0, -1, 2);
    glVertex3f(2, -1, 2);
    glVertex3f(2, -1, -2);
    glEnd();
    EXPECT_EQ(at(0.5, 0).b, 255);
}

TEST_F(BillboardTest, EyeOnTheZParallelLineThroughTheCentreDrawsNothing) {
    drawBillboard(world, {0, 0, 0}, 1, 1, 1, 1, 0, 0, 10, kExplosionTexture);
    EXPECT_TRUE(isBlack(at(0, 0)));
}

}  // namespace
