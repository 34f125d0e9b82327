// The Command button's persisted properties: what it reads from a stored description, with
// which defaults, and what it writes back: in order, and only what differs from the defaults.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/saver/button_recording_view.h"

namespace {

using Entries = std::vector<PropertyStore::Entry>;

CommandFont AmbientFont() {
    CommandFont font = DesignFont();
    font.faceName = "Tahoma";
    font.sizePoints = 14.0;
    return font;
}

TEST(ButtonProperties, AnEmptyDescriptionGivesTheReadDefaultsAndTheAmbientFaceOnly) {
    RecordingView view;
    Command button(view);
    button.ReadProperties({}, AmbientFont());
    EXPECT_EQ(button.EnabledFlag(), Command::kTrue);
    EXPECT_EQ(button.Caption(), "Command1");
    EXPECT_EQ(button.Font().faceName, "Tahoma");
    EXPECT_EQ(button.Font().sizePoints, 9.75);  // as designed
    EXPECT_EQ(button.FirstRunFlag(), 1);
    EXPECT_EQ(button.LabelColour(), 0u);
    EXPECT_TRUE(button.IsOpaque());
    EXPECT_EQ(view.painted, (std::vector<PaintedLook>{{CommandSkin::Normal, false}}));
}

TEST(ButtonProperties, StoredValuesAreReadAndTextsThatDoNotConvertAreSkipped) {
    RecordingView view;
    Command button(view);
    button.ReadProperties({{"Enabled", "False"},
                           {"Caption", "ｷｬﾝｾﾙ"},
                           {"FirstRun", " 7 "},
                           {"FontColour", "-2147483630"},
                           {"Visible", "0"}},
                          AmbientFont());
    EXPECT_EQ(button.EnabledFlag(), 0);
    EXPECT_EQ(button.Caption(), "ｷｬﾝｾﾙ");
    EXPECT_EQ(button.FirstRunFlag(), 7);
    EXPECT_EQ(button.LabelColour(), 0x80000012u);  // a system colour
    EXPECT_FALSE(button.IsOpaque());
    EXPECT_TRUE(view.painted.empty());  // disabled: refreshing the look does nothing

    button.ReadProperties(
        {{"Enabled", "maybe"}, {"FirstRun", "256"}, {"FontColour", "black"}, {"Visible", "2"}},
        AmbientFont());
    EXPECT_EQ(button.EnabledFlag(), 0);
    EXPECT_EQ(button.FirstRunFlag(), 7);
    EXPECT_EQ(button.LabelColour(), 0x80000012u);
    EXPECT_FALSE(button.IsOpaque());
    button.ReadProperties({{"Enabled", "-1"}}, AmbientFont());
    EXPECT_EQ(button.EnabledFlag(), Command::kTrue);
}

TEST(ButtonProperties, WritingStoresWhatDiffersInItsOrderAndReadsBackTheSame) {
    LoadedButton loaded;
    loaded.button.SetCaption("設定");
    loaded.button.SetFont({.faceName = "Meiryo", .sizePoints = 12.0});
    loaded.button.SetFontColour(0x123456);
    loaded.button.SetVisible(false);
    loaded.button.SetEnabled(false);
    EXPECT_EQ(loaded.view.changed,
              (std::vector<std::string>{"Caption", "Font", "FontColour", "Visible", "Enabled"}));

    PropertyStore store{{"FirstRun", "1"}};
    loaded.button.WriteProperties(store, AmbientFont());
    EXPECT_EQ(store.Entries(), (Entries{{"Enabled", "False"},
                                        {"Caption", "設定"},
                                        {"Font", "Meiryo"},
                                        {"FontColour", "1193046"},
                                        {"Visible", "0"}}));

    RecordingView view;
    Command copy(view);
    copy.ReadProperties(store, AmbientFont());
    EXPECT_EQ(copy.EnabledFlag(), 0);
    EXPECT_EQ(copy.Caption(), "設定");
    EXPECT_EQ(copy.Font().faceName, "Meiryo");
    EXPECT_EQ(copy.LabelColour(), 0x123456u);
    EXPECT_FALSE(copy.IsOpaque());
}

TEST(ButtonProperties, ACaptionOfCommandIsNotStoredAndReadsBackAsCommand1) {
    LoadedButton loaded;
    loaded.button.SetCaption("Command");
    PropertyStore store{{"Caption", "old"}};
    loaded.view.Forget();
    loaded.button.WriteProperties(store, DesignFont());
    EXPECT_TRUE(store.Entries().empty());
    EXPECT_EQ(loaded.view.painted, (std::vector<PaintedLook>{{CommandSkin::Normal, false}}));

    loaded.button.ReadProperties(store, DesignFont());
    EXPECT_EQ(loaded.button.Caption(), "Command1");
}

}  // namespace
