// The settings dialog's rules: what each music kind marks and enables, the repeat combo box's
// texts, and the values that Set writes.
#include <gtest/gtest.h>

#include <string>

#include "saver/dialog_rules.h"

namespace {

TEST(DialogKindSelection, EachKindMarksItsOwnBoxAndEnablesOnlyItsControl) {
    const KindSelection none = SelectKind(kBgmNone);
    EXPECT_EQ(none.markedBox, 0);
    EXPECT_FALSE(none.cmdFileEnabled);
    EXPECT_FALSE(none.repeatEnabled);

    const KindSelection cd = SelectKind(kBgmCd);
    EXPECT_EQ(cd.markedBox, 1);
    EXPECT_FALSE(cd.cmdFileEnabled);
    EXPECT_TRUE(cd.repeatEnabled);

    const KindSelection soundFile = SelectKind(kBgmSoundFile);
    EXPECT_EQ(soundFile.markedBox, 2);
    EXPECT_TRUE(soundFile.cmdFileEnabled);
    EXPECT_FALSE(soundFile.repeatEnabled);
}

TEST(DialogKindSelection, AKindOutsideTheThreeMarksNothingAndEnablesNothing) {
    for (const std::int16_t mode : {std::int16_t{3}, std::int16_t{-1}, std::int16_t{32767}}) {
        const KindSelection selection = SelectKind(mode);
        EXPECT_FALSE(selection.markedBox.has_value()) << mode;
        EXPECT_FALSE(selection.cmdFileEnabled) << mode;
        EXPECT_FALSE(selection.repeatEnabled) << mode;
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
    EXPECT_EQ(texts[1], "1");
    EXPECT_EQ(texts[9], "9");
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

TEST(DialogSet, WritesTheKindTheRepeatFromTheComboAndTheFileInThatOrder) {
    SharedState state;
    state.BGMMode = kBgmSoundFile;
    state.BGMRepeat = 9;
    state.BGMFile = "C:\\music\\曲.mp3";

    const auto entries = SetEntries(state, "3.5");

    EXPECT_EQ(state.BGMRepeat, 4);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].key, settings_file::kBgmMode.key);
    EXPECT_EQ(entries[0].value, " 2");
    EXPECT_EQ(entries[1].key, settings_file::kBgmRepeat.key);
    EXPECT_EQ(entries[1].value, " 4");
    EXPECT_EQ(entries[2].key, settings_file::kBgmFile.key);
    EXPECT_EQ(entries[2].value, "C:\\music\\曲.mp3");
}

TEST(DialogSet, AnUnknownKindAnEmptyComboAndNoFileAreWrittenAsTheyStand) {
    SharedState state;
    state.BGMMode = 3;
    state.BGMRepeat = 5;

    const auto entries = SetEntries(state, "");

    EXPECT_EQ(state.BGMRepeat, 0);
    EXPECT_EQ(entries[0].value, " 3");
    EXPECT_EQ(entries[1].value, " 0");
    EXPECT_EQ(entries[2].value, "");
}

TEST(DialogSet, ANegativeRepeatIsWrittenWithItsSign) {
    SharedState state;
    const auto entries = SetEntries(state, "-4");
    EXPECT_EQ(entries[1].value, "-4");
}

}  // namespace
