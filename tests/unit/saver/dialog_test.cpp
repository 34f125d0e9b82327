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

TEST(DialogRepeatFromText, NumbersRoundHalvesToEven) {
    EXPECT_EQ(RepeatFromText("2.5"), 2);
    EXPECT_EQ(RepeatFromText("3.5"), 4);
    EXPECT_EQ(RepeatFromText(" 7 "), 7);
    EXPECT_EQ(RepeatFromText("12"), 12);
    EXPECT_EQ(RepeatFromText("-2"), -2);
    EXPECT_EQ(RepeatFromText("1e1"), 10);
    EXPECT_EQ(RepeatFromText("32767"), 32767);
    EXPECT_EQ(RepeatFromText("-32768"), -32768);
}

TEST(DialogRepeatFromText, TextThatIsNoSixteenBitNumberGivesZero) {
    for (const char* text : {"", "   ", "abc", "7a", "1,5", "32768", "-32769", "1e9", "1e400"}) {
        EXPECT_EQ(RepeatFromText(text), 0) << '"' << text << '"';
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

TEST(DialogGradient, AnArchFromDarkBlueToPaleBlueAndBack) {
    const auto rows = GradientRows(246);
    ASSERT_EQ(rows.size(), 247u);  // 0 to 246 inclusive
    EXPECT_EQ(rows.front(), (GradientRow{0, 0, 0, 30}));
    EXPECT_EQ(rows[123], (GradientRow{123, 220, 220, 250}));
    // sin(3.142) is about -0.0004: |...| x 220 is 0.09, which rounds to 0.
    EXPECT_EQ(rows.back(), (GradientRow{246, 0, 0, 30}));
    for (const GradientRow& row : rows) {
        EXPECT_EQ(row.red, row.green);
        EXPECT_EQ(row.blue, row.red + 30);
    }
}

TEST(DialogGradient, ValuesRoundToTheNearest) {
    // h = 31, d = 9.866...: rows 1, 5 and 16 give 22.26, 106.78 and 219.72.
    const auto rows = GradientRows(31);
    EXPECT_EQ(rows[1].red, 22);
    EXPECT_EQ(rows[5].red, 107);
    EXPECT_EQ(rows[16].red, 220);
}

TEST(DialogGradient, NoHeightGivesTheOneRowAtZero) {
    EXPECT_EQ(GradientRows(0), (std::vector<GradientRow>{{0, 0, 0, 30}}));
    EXPECT_TRUE(GradientRows(-1).empty());
}

TEST(DialogTiles, TheMetalStripFillsThePanelInColumnsAndOvershootsOnce) {
    const auto copies = TileCopies(469, 165, 556, 20);
    ASSERT_EQ(copies.size(), 20u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(copies[i], (PixelPoint{0, 20 * i})) << i;
        EXPECT_EQ(copies[10 + i], (PixelPoint{556, 20 * i})) << i;
    }
}

TEST(DialogTiles, SmallTilesCoverTheBoxColumnByColumn) {
    const auto copies = TileCopies(10, 10, 4, 5);
    // x = 0, 4, 8, 12 (12 > 10 stops after its column); y = 0, 5, 10, 15 in each.
    ASSERT_EQ(copies.size(), 16u);
    EXPECT_EQ(copies[3], (PixelPoint{0, 15}));
    EXPECT_EQ(copies[4], (PixelPoint{4, 0}));
    EXPECT_EQ(copies.back(), (PixelPoint{12, 15}));
}

TEST(DialogTiles, ATileOfNoSizeCopiesNothing) {
    EXPECT_TRUE(TileCopies(469, 165, 0, 20).empty());
    EXPECT_TRUE(TileCopies(469, 165, 556, 0).empty());
}

}  // namespace
