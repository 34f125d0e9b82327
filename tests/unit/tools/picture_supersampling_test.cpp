#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdint>

#include "tools/scene_pictures/offscreen_renderer.h"
#include "tools/scene_pictures/supersampling.h"

using scene_pictures::RenderedFrame;

TEST(picture_supersampling, ShrinkingAveragesEachBlockAndItsCoverage) {
    // 4 x 2 pixels, shrunk by 2 into 2 x 1: a half-covered red block and a fully covered grey
    // one.
    RenderedFrame frame{4, 2, {}};
    const std::uint8_t rgba[2][4][4] = {
        {{255, 0, 0, 255}, {0, 0, 0, 0}, {100, 100, 100, 255}, {100, 100, 100, 255}},
        {{255, 0, 0, 255}, {0, 0, 0, 0}, {200, 200, 200, 255}, {200, 200, 200, 255}},
    };
    for (const auto& row : rgba) {
        for (const auto& pixel : row) {
            frame.rgba.insert(frame.rgba.end(), pixel, pixel + 4);
        }
    }
    const scene_pictures::ShrunkFrame shrunk = scene_pictures::shrinkFrame(frame, 2);
    ASSERT_EQ(shrunk.width, 2);
    ASSERT_EQ(shrunk.height, 1);
    EXPECT_DOUBLE_EQ(shrunk.at(0, 0).colour.red, 0.5);
    EXPECT_DOUBLE_EQ(shrunk.at(0, 0).colour.green, 0.0);
    EXPECT_DOUBLE_EQ(shrunk.at(0, 0).coverage, 0.5);
    EXPECT_DOUBLE_EQ(shrunk.at(1, 0).colour.blue, 150.0 / 255.0);
    EXPECT_DOUBLE_EQ(shrunk.at(1, 0).coverage, 1.0);
    EXPECT_EQ(scene_pictures::toPicture(shrunk).at(1, 0), (pictures::Rgb{150, 150, 150}));
}

TEST(picture_supersampling, ComposingShowsTheBackgroundThroughUncoveredParts) {
    scene_pictures::ShrunkFrame front{2, 1, {}};
    front.pixels = {{{0.5, 0.0, 0.0}, 0.5}, {{0.0, 0.0, 0.0}, 0.0}};
    pictures::RgbPicture back(2, 1);
    back.set(0, 0, {0, 0, 200});
    back.set(1, 0, {10, 20, 30});
    const pictures::RgbPicture composed = scene_pictures::composeOver(front, back);
    EXPECT_EQ(composed.at(0, 0), (pictures::Rgb{128, 0, 100}));
    EXPECT_EQ(composed.at(1, 0), (pictures::Rgb{10, 20, 30}));
}

TEST(picture_supersampling, RendererHandsOverTheTopRowFirst) {
    scene_pictures::OffscreenRenderer renderer(8, 4);
    ASSERT_TRUE(renderer.ok());
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    // Only the window's top row: OpenGL counts rows from the bottom.
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 3, 8, 1);
    glClearColor(1, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);

    const RenderedFrame frame = renderer.frame();
    ASSERT_EQ(frame.width, 8);
    ASSERT_EQ(frame.height, 4);
    ASSERT_EQ(frame.rgba.size(), 8u * 4u * 4u);
    EXPECT_EQ(frame.rgba[0], 255);  // top-left: red, opaque
    EXPECT_EQ(frame.rgba[3], 255);
    const std::size_t bottomLeft = 3 * 8 * 4;
    EXPECT_EQ(frame.rgba[bottomLeft], 0);
    EXPECT_EQ(frame.rgba[bottomLeft + 3], 0);
}
