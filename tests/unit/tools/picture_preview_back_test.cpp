// The preview's background: translucent panels glowing in blues and cyans over a dark ground.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/unit/tools/picture_committed.h"

namespace {

int brightest(pictures::Rgb c) {
    return std::max({c.red, c.green, c.blue});
}

}  // namespace

TEST(picture_preview_back, IsDarkWithCornersNearlyBlack) {
    const pictures::RgbPicture back = picture_test::committedPicture("preview_back.bmp");
    ASSERT_EQ(back.width(), 152);
    ASSERT_EQ(back.height(), 112);
    long total = 0;
    for (int y = 0; y < back.height(); ++y) {
        for (int x = 0; x < back.width(); ++x) {
            total += picture_test::luminance(back.at(x, y));
        }
    }
    EXPECT_LT(total / (152 * 112), 90);
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{151, 0}, std::pair{0, 111}}) {
        EXPECT_LT(brightest(back.at(x, y)), 64) << x << "," << y;
    }
}

TEST(picture_preview_back, GlowsInBluesAndCyans) {
    const pictures::RgbPicture back = picture_test::committedPicture("preview_back.bmp");
    int cool = 0;
    int bright = 0;
    int halo = 0;
    for (int y = 0; y < back.height(); ++y) {
        for (int x = 0; x < back.width(); ++x) {
            const pictures::Rgb c = back.at(x, y);
            cool += c.blue >= c.red && c.green >= c.red;
            bright += brightest(c) > 200;
            halo += brightest(c) > 40 && brightest(c) < 150;
        }
    }
    const int pixels = back.width() * back.height();
    EXPECT_GT(cool, pixels * 98 / 100) << "not blue and cyan";
    EXPECT_GT(bright, pixels * 3 / 100) << "no bright panel edges";
    EXPECT_GT(halo, pixels * 25 / 100) << "no soft glow";
}
