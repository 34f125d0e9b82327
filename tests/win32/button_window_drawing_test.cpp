// What the Command window draws into its persistent image and onto the screen: the skin's
// corners unscaled and its edges stretched at any size, the face gradient over the full
// height, the Disable look with a grey caption, and a transparent background.
#include <algorithm>
#include <cstdlib>

#include "tests/win32/button_window_fixture.h"

namespace button_test {
namespace {

// Every pixel of the image's 4-pixel ring came from the right place of `skin`: corners pixel
// for pixel, edges from their own rows (or columns) of the picture's edges.
void ExpectRingOf(const PictureSurface& image, CommandSkin skin) {
    const int width = image.Width();
    const int height = image.Height();
    const auto sourceX = [&](int x) { return x < 4 ? x : 64 - (width - x); };
    const auto sourceY = [&](int y) { return y < 4 ? y : 25 - (height - y); };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool nearX = x < 4 || x >= width - 4;
            const bool nearY = y < 4 || y >= height - 4;
            if (!nearX && !nearY) {
                continue;
            }
            const Pixel pixel = PixelAt(image, x, y);
            ASSERT_EQ(pixel.blue, SkinBlue(skin)) << x << "," << y;
            if (nearX) {
                ASSERT_EQ(pixel.red, 4 * sourceX(x)) << x << "," << y;
            } else {
                ASSERT_TRUE(pixel.red >= 4 * 4 && pixel.red < 4 * 60) << x << "," << y;
            }
            if (nearY) {
                ASSERT_EQ(pixel.green, 10 * sourceY(y)) << x << "," << y;
            } else {
                ASSERT_TRUE(pixel.green >= 10 * 4 && pixel.green < 10 * 21) << x << "," << y;
            }
        }
    }
}

// The face inside the ring runs from `top` at row 0 to `bottom` at the last row.
void ExpectFaceGradient(const PictureSurface& image, Pixel top, Pixel bottom) {
    const int last = image.Height() - 1;
    const auto along = [&](int from, int to, int y) { return from + (to - from) * y / last; };
    for (int y = 4; y < image.Height() - 4; ++y) {
        const Pixel pixel = PixelAt(image, image.Width() / 2, y);
        EXPECT_NEAR(pixel.red, along(top.red, bottom.red, y), 2) << "row " << y;
        EXPECT_NEAR(pixel.green, along(top.green, bottom.green, y), 2) << "row " << y;
        EXPECT_NEAR(pixel.blue, along(top.blue, bottom.blue, y), 2) << "row " << y;
    }
}

constexpr Pixel kWhite = {255, 255, 255};
constexpr Pixel kLavender = {0xC6, 0xC5, 0xD7};

TEST_F(ButtonWindow, CornersStayFourPixelsAndTheFaceSpansTheFullHeightAtAnySize) {
    CreateButton(81, 25);
    EXPECT_EQ(SkinShown(button_), CommandSkin::Normal);
    ExpectRingOf(button_.Image(), CommandSkin::Normal);
    ExpectFaceGradient(button_.Image(), kWhite, kLavender);

    // A resize shows the enabled look again at the new size.
    SetWindowPos(button_.Window(), nullptr, 0, 0, 150, 40, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_EQ(button_.Image().Width(), 150);
    ASSERT_EQ(button_.Image().Height(), 40);
    ExpectRingOf(button_.Image(), CommandSkin::Normal);
    ExpectFaceGradient(button_.Image(), kWhite, kLavender);

    // Hovering an unfocused button turns the face upside down.
    button_.Initialize();
    Send(WM_MOUSEMOVE);
    EXPECT_EQ(SkinShown(button_), CommandSkin::HighLight);
    ExpectRingOf(button_.Image(), CommandSkin::HighLight);
    ExpectFaceGradient(button_.Image(), kLavender, kWhite);
}

TEST_F(ButtonWindow, ADisabledButtonDrawsTheDisableSkinAndAGreyCaption) {
    CreateButton(81, 25, {{"Caption", "MMMM"}, {"FontColour", "255"}});
    const auto enabled = CaptionPixels();
    EXPECT_TRUE(std::any_of(enabled.begin(), enabled.end(),
                            [](const Pixel& p) { return p.red - p.green > 40; }));

    button_.SetEnabled(false);
    EXPECT_EQ(SkinShown(button_), CommandSkin::Disable);
    ExpectRingOf(button_.Image(), CommandSkin::Disable);
    // Text is smoothed, so its pixels blend with the face, but they carry no colour.
    const auto disabled = CaptionPixels();
    EXPECT_FALSE(disabled.empty());
    EXPECT_TRUE(std::all_of(disabled.begin(), disabled.end(),
                            [](const Pixel& p) { return std::abs(p.red - p.green) <= 4; }));
}

TEST_F(ButtonWindow, VisibleFalseShowsTheContainerAndTrueDrawsNormalAgain) {
    CreateButton(81, 25, {{"Caption", ""}});
    button_.Initialize();
    Send(WM_MOUSEMOVE);
    ASSERT_EQ(SkinShown(button_), CommandSkin::HighLight);

    button_.SetVisible(false);
    const auto transparent = Composite();
    EXPECT_TRUE(std::all_of(transparent.begin(), transparent.end(), [](const Pixel& p) {
        return p.red == 255 && p.green == 0 && p.blue == 255;
    }));

    button_.SetVisible(true);
    EXPECT_TRUE(button_.State().IsOpaque());
    EXPECT_EQ(SkinShown(button_), CommandSkin::Normal);
    const auto opaque = Composite();
    EXPECT_EQ(opaque[40].blue, SkinBlue(CommandSkin::Normal));
}

}  // namespace
}  // namespace button_test
