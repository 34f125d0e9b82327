// The made-up desktop the preview's ground is rendered with.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tools/pictures/desktop_picture.h"

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1200;
constexpr int kTaskBarTop = kHeight - 30;

bool isFaceGrey(pictures::Rgb c) {
    return std::abs(c.red - 212) <= 4 && std::abs(c.green - 208) <= 4 &&
           std::abs(c.blue - 200) <= 4;
}

// The background's teal-blue, between its centre and its edges.
bool isTealBlue(pictures::Rgb c) {
    return c.red >= 25 && c.red <= 40 && c.green >= 95 && c.green <= 140 && c.blue >= 140 &&
           c.blue <= 155;
}

const pictures::RgbPicture& desktop() {
    static const pictures::RgbPicture picture = pictures::makeDesktopPicture();
    return picture;
}

}  // namespace

TEST(picture_desktop, HasTheSizeOfALargeScreen) {
    EXPECT_EQ(desktop().width(), kWidth);
    EXPECT_EQ(desktop().height(), kHeight);
}

TEST(picture_desktop, TaskBarRunsAlongTheBottom) {
    ASSERT_EQ(desktop().height(), kHeight);
    for (int y = kTaskBarTop + 2; y < kHeight; ++y) {
        int grey = 0;
        int background = 0;
        for (int x = 0; x < kWidth; ++x) {
            grey += isFaceGrey(desktop().at(x, y));
            background += isTealBlue(desktop().at(x, y));
        }
        EXPECT_GT(grey, kWidth / 3) << "row " << y;
        EXPECT_EQ(background, 0) << "row " << y;
    }
    EXPECT_EQ(desktop().at(kWidth / 2, kTaskBarTop + 1), (pictures::Rgb{255, 255, 255}));
    EXPECT_TRUE(isTealBlue(desktop().at(kWidth - 200, kTaskBarTop - 1)));
}

TEST(picture_desktop, BackgroundIsTealBlueAndMatchesAcrossTheLeftAndRightEdges) {
    ASSERT_EQ(desktop().width(), kWidth);
    // The scene lays desktops side by side; the columns that meet must agree.
    for (int y = 0; y < kTaskBarTop; ++y) {
        ASSERT_TRUE(isTealBlue(desktop().at(0, y))) << y;
        ASSERT_EQ(desktop().at(0, y), desktop().at(kWidth - 1, y)) << y;
    }
}

TEST(picture_desktop, ShowsAnActiveWindowAndSeveralIcons) {
    int activeTitle = 0;
    int folderYellow = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const pictures::Rgb c = desktop().at(x, y);
            activeTitle += std::abs(c.red - 10) <= 6 && std::abs(c.green - 36) <= 6 &&
                           std::abs(c.blue - 106) <= 6;
            folderYellow += c.red == 250 && c.green == 214 && c.blue == 96;
        }
    }
    EXPECT_GT(activeTitle, 200) << "no active window's title bar";
    EXPECT_GT(folderYellow, 20 * 300) << "too few folders";
}
