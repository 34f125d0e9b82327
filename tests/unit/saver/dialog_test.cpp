// The settings dialog's rules and geometry: what each music kind marks and enables, the repeat
// combo box's texts, where the window goes, DPI scaling, the gradient and the panel's tiles.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "saver/dialog/layout.h"
#include "saver/dialog/rules.h"

namespace {

TEST(DialogKindSelection, EachKindMarksItsOwnBoxAndEnablesOnlyItsControl) {
    // The kind, then the marked box, whether Cmd_File and BGM_Repeat are enabled.
    const std::pair<std::int16_t, std::tuple<std::optional<int>, bool, bool>> cases[] = {
        {kBgmNone, {0, false, false}},      {kBgmCd, {1, false, true}},
        {kBgmSoundFile, {2, true, false}},  {3, {std::nullopt, false, false}},
        {-1, {std::nullopt, false, false}},
    };
    for (const auto& [mode, expected] : cases) {
        const KindSelection kind = SelectKind(mode);
        EXPECT_EQ(std::tuple(kind.markedBox, kind.cmdFileEnabled, kind.repeatEnabled), expected)
            << mode;
    }
}

TEST(DialogRepeatCombo, ZeroShowsEmptyAndOtherValuesTheirDigits) {
    EXPECT_EQ(RepeatText(0), "");
    EXPECT_EQ(RepeatText(12), "12");
    EXPECT_EQ(RepeatText(45), "45");  // beyond the list, shown all the same
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
    // Larger than the screen: truncation toward zero, not down.
    EXPECT_EQ(DialogPosition(400, 200, 501, 204), (PixelPoint{-50, -1}));
}

TEST(DialogDpi, TheTableScalesByDpiOverNinetySixRoundingHalvesUp) {
    EXPECT_EQ(ScaleForDpi(dialog_layout::Pic_C, 120), (PixelRect{15, 20, 586, 206}));
    EXPECT_EQ(ScaleForDpi(dialog_layout::Cmd_Set, 144), (PixelRect{474, 300, 122, 38}));
    EXPECT_EQ(ScaleForDpi(13, 120), 16);  // 16.25
    EXPECT_EQ(ScaleForDpi(6, 120), 8);    // 7.5 rounds up
}

TEST(DialogGradient, AnArchFromDarkBlueToPaleBlueAndBackRoundedToTheNearest) {
    // Rows 0 and 123 of the dialog's are read on its window (Win32 tests). sin(3.142) is about
    // -0.0004: |...| x 220 is 0.09, which rounds to 0.
    EXPECT_EQ(GradientRows(246).back(), (GradientRow{246, 0, 0, 30}));
    // h = 31, d = 9.866...: rows 1 and 5 give 22.26 and 106.78.
    EXPECT_EQ(GradientRows(31)[1], (GradientRow{1, 22, 22, 52}));
    EXPECT_EQ(GradientRows(31)[5].red, 107);
    EXPECT_EQ(GradientRows(3)[2].red, 190);  // 3.142, not pi, which would give 191
    EXPECT_EQ(GradientRows(0), (std::vector<GradientRow>{{0, 0, 0, 30}}));
    EXPECT_TRUE(GradientRows(-1).empty());
}

TEST(DialogTiles, TilesCoverTheBoxColumnByColumnOvershootingOnce) {
    // x = 0, 4, ... 16 and y = 0, 2, ... 12: each stops after the first past the box.
    const auto copies = TileCopies(13, 10, 4, 2);
    ASSERT_EQ(copies.size(), 35u);
    EXPECT_EQ(copies[6], (PixelPoint{0, 12}));
    EXPECT_EQ(copies[7], (PixelPoint{4, 0}));
    EXPECT_EQ(copies.back(), (PixelPoint{16, 12}));
    // A tile of no size copies nothing rather than loop for ever.
    EXPECT_TRUE(TileCopies(469, 165, 0, 20).empty());
    EXPECT_TRUE(TileCopies(469, 165, 556, 0).empty());
}

}  // namespace
