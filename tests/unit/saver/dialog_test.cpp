// The settings dialog's rules and geometry: what each music kind marks and enables, the repeat
// combo box's texts, where the window goes, DPI scaling, the gradient and the panel's tiles.
#include <gtest/gtest.h>

#include <string>

#include "saver/dialog/layout.h"
#include "saver/dialog/rules.h"

namespace {

TEST(DialogKindSelection, EachKindMarksItsOwnBoxAndEnablesOnlyItsControl) {
    struct Case {
        std::int16_t mode;
        std::optional<int> markedBox;
        bool cmdFileEnabled;
        bool repeatEnabled;
    };
    const Case cases[] = {
        {kBgmNone, 0, false, false},      {kBgmCd, 1, false, true},
        {kBgmSoundFile, 2, true, false},  {3, std::nullopt, false, false},
        {-1, std::nullopt, false, false},
    };
    for (const Case& c : cases) {
        const KindSelection selection = SelectKind(c.mode);
        EXPECT_EQ(selection.markedBox, c.markedBox) << c.mode;
        EXPECT_EQ(selection.cmdFileEnabled, c.cmdFileEnabled) << c.mode;
        EXPECT_EQ(selection.repeatEnabled, c.repeatEnabled) << c.mode;
    }
}

TEST(DialogRepeatCombo, ZeroShowsEmptyAndOtherValuesTheirDigits) {
    EXPECT_EQ(RepeatText(0), "");
    EXPECT_EQ(RepeatText(12), "12");
    EXPECT_EQ(RepeatText(45), "45");  // beyond the list, shown all the same
    EXPECT_EQ(RepeatText(-3), "-3");
}

TEST(DialogRepeatCombo, TheListIsEmptyThenOneToThirty) {
    const auto texts = RepeatListTexts();
    ASSERT_EQ(texts.size(), 31u);
    EXPECT_EQ(texts.front(), "");
    EXPECT_EQ(texts[10], "10");
    EXPECT_EQ(texts.back(), "30");
}

TEST(DialogRepeatFromText, TheWholeTextRoundedHalvesToEvenOrZero) {
    const std::pair<const char*, int> cases[] = {
        {"2.5", 2}, {"3.5", 4}, {" 7 ", 7}, {"-2", -2}, {"1e1", 10},  {"-32768", -32768},
        {"", 0},    {"abc", 0}, {"7a", 0},  {"1,5", 0}, {"32768", 0},
    };
    for (const auto& [text, track] : cases) {
        EXPECT_EQ(RepeatFromText(text), track) << '"' << text << '"';
    }
}

TEST(DialogPlacement, CentredAcrossAndAThirdDownTruncating) {
    // 498 x 275 is the dialog's outer size with a common border and caption.
    EXPECT_EQ(DialogPosition(1024, 768, 498, 275), (PixelPoint{263, 164}));
    EXPECT_EQ(DialogPosition(1025, 769, 498, 275), (PixelPoint{263, 164}));
    EXPECT_EQ(DialogPosition(1920, 1080, 500, 280), (PixelPoint{710, 266}));
    // Larger than the screen: truncation toward zero, not down.
    EXPECT_EQ(DialogPosition(400, 200, 501, 204), (PixelPoint{-50, -1}));
}

TEST(DialogDpi, NinetySixDpiKeepsTheTableAndOthersScaleRounded) {
    EXPECT_EQ(ScaleForDpi(dialog_layout::Pic_C, 96), dialog_layout::Pic_C);
    EXPECT_EQ(ScaleForDpi(dialog_layout::Pic_C, 120), (PixelRect{15, 20, 586, 206}));
    EXPECT_EQ(ScaleForDpi(dialog_layout::Cmd_Set, 144), (PixelRect{474, 300, 122, 38}));
    EXPECT_EQ(ScaleForDpi(13, 120), 16);  // 16.25
    EXPECT_EQ(ScaleForDpi(6, 120), 8);    // 7.5 rounds up
    EXPECT_EQ(ScaleForDpi(492, 192), 984);
}

TEST(DialogGradient, AnArchFromDarkBlueToPaleBlueAndBackRoundedToTheNearest) {
    const auto rows = GradientRows(246);
    ASSERT_EQ(rows.size(), 247u);  // 0 to 246 inclusive
    EXPECT_EQ(rows.front(), (GradientRow{0, 0, 0, 30}));
    EXPECT_EQ(rows[123], (GradientRow{123, 220, 220, 250}));
    // sin(3.142) is about -0.0004: |...| x 220 is 0.09, which rounds to 0.
    EXPECT_EQ(rows.back(), (GradientRow{246, 0, 0, 30}));
    // h = 31, d = 9.866...: rows 1, 5 and 16 give 22.26, 106.78 and 219.72.
    EXPECT_EQ(GradientRows(31)[1], (GradientRow{1, 22, 22, 52}));
    EXPECT_EQ(GradientRows(31)[5].red, 107);
    EXPECT_EQ(GradientRows(31)[16].red, 220);
    EXPECT_EQ(GradientRows(3)[2].red, 190);  // 3.142, not pi, which would give 191
    EXPECT_EQ(GradientRows(0), (std::vector<GradientRow>{{0, 0, 0, 30}}));
    EXPECT_TRUE(GradientRows(-1).empty());
}

TEST(DialogTiles, TilesCoverTheBoxColumnByColumnOvershootingOnce) {
    const auto strip = TileCopies(469, 165, 556, 20);
    ASSERT_EQ(strip.size(), 20u);
    EXPECT_EQ(strip[9], (PixelPoint{0, 180}));
    EXPECT_EQ(strip[10], (PixelPoint{556, 0}));
    // x = 0, 4, 8, 12 (12 > 10 stops after its column); y = 0, 5, 10, 15 in each.
    const auto small = TileCopies(10, 10, 4, 5);
    ASSERT_EQ(small.size(), 16u);
    EXPECT_EQ(small[3], (PixelPoint{0, 15}));
    EXPECT_EQ(small[4], (PixelPoint{4, 0}));
    EXPECT_EQ(small.back(), (PixelPoint{12, 15}));
    // A tile of no size copies nothing rather than loop for ever.
    EXPECT_TRUE(TileCopies(469, 165, 0, 20).empty());
    EXPECT_TRUE(TileCopies(469, 165, 556, 0).empty());
}

}  // namespace
