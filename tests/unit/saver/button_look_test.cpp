// The Command button's looks: which skin each focus, mouse and timer event shows, when it
// clicks, and the accessors that redraw.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

#include "tests/unit/saver/button_recording_view.h"

namespace {

using Skin = CommandSkin;
using Looks = std::vector<PaintedLook>;

struct Step {
    const char* what;
    std::function<void(Command&)> event;
    std::optional<PaintedLook> painted;  // nothing: no look painted
    int lookState;
};

void Play(LoadedButton& loaded, const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        loaded.view.Forget();
        step.event(loaded.button);
        EXPECT_EQ(loaded.view.painted, step.painted ? Looks{*step.painted} : Looks{}) << step.what;
        EXPECT_EQ(loaded.button.LookState(), step.lookState) << step.what;
    }
}

const auto kInitialize = [](Command& b) { b.Initialize(); };
const auto kFocus = [](Command& b) { b.OnGotFocus(); };
const auto kBlur = [](Command& b) { b.OnLostFocus(); };
const auto kMove = [](Command& b) { b.OnMouseMove(); };
const auto kLeftDown = [](Command& b) { b.OnMouseDown(MouseButton::Left); };
const auto kLeftUp = [](Command& b) { b.OnMouseUp(MouseButton::Left); };
const auto kLeft = [](Command& b) { b.OnTmrMouse(true); };
const auto kStillOver = [](Command& b) { b.OnTmrMouse(false); };

TEST(ButtonLook, HoverAndFocusFollowTheTableAndTheFaceDarkensAtTheTopOnlyWhileHovered) {
    LoadedButton loaded;
    Play(loaded, {
                     {"move before Initialize", kMove, std::nullopt, 0},
                     {"tick before Initialize", kLeft, std::nullopt, 0},
                     {"focus before Initialize", kFocus, PaintedLook{Skin::Selected, false}, 3},
                     {"Initialize", kInitialize, std::nullopt, 1},
                     {"hover", kMove, PaintedLook{Skin::HighLight, true}, 2},
                     {"tick, still over", kStillOver, std::nullopt, 2},
                     {"pointer left", kLeft, PaintedLook{Skin::Normal, false}, 1},
                     {"focus", kFocus, PaintedLook{Skin::Selected, false}, 3},
                     // LookState 4 keeps the face's direction from before.
                     {"hover focused", kMove, PaintedLook{Skin::HighLightSelect, false}, 4},
                     {"pointer left focused", kLeft, PaintedLook{Skin::Selected, false}, 3},
                     {"focus leaves", kBlur, PaintedLook{Skin::Normal, false}, 1},
                     {"focus leaves again", kBlur, std::nullopt, 1},
                     // The first click on a hovered, unfocused button.
                     {"hover", kMove, PaintedLook{Skin::HighLight, true}, 2},
                     {"focus as pressed", kFocus, PaintedLook{Skin::Pressed, true}, 4},
                     {"left down", kLeftDown, PaintedLook{Skin::Pressed, true}, 4},
                     {"left up", kLeftUp, PaintedLook{Skin::HighLightSelect, true}, 4},
                 });
    EXPECT_EQ(loaded.view.clicks, 1);
    EXPECT_FALSE(loaded.button.MouseIsDown());
}

TEST(ButtonLook, APressDraggedOffAndReleasedOutsideDoesNotClick) {
    LoadedButton loaded;
    loaded.button.Initialize();
    EXPECT_EQ(loaded.view.timerStarts, std::vector<unsigned>{100});
    Play(loaded, {{"focus", kFocus, PaintedLook{Skin::Selected, false}, 3},
                  {"hover", kMove, PaintedLook{Skin::HighLightSelect, false}, 4},
                  {"left down", kLeftDown, PaintedLook{Skin::Pressed, false}, 4},
                  {"dragged off", kLeft, PaintedLook{Skin::Selected, false}, 3},
                  {"back over, still held", kMove, std::nullopt, 3},
                  {"released", kLeftUp, std::nullopt, 3},
                  {"hover, released", kMove, PaintedLook{Skin::HighLightSelect, false}, 4}});
    EXPECT_EQ(loaded.view.clicks, 0);
}

TEST(ButtonLook, EveryButtonClicksOnReleaseUnlessFocusedWithThePointerAway) {
    LoadedButton loaded;
    Command& button = loaded.button;
    button.OnMouseUp(MouseButton::Left);  // even before Initialize
    button.Initialize();
    button.OnMouseMove();
    loaded.view.Forget();
    button.OnMouseDown(MouseButton::Right);
    EXPECT_FALSE(button.MouseIsDown());
    button.OnMouseUp(MouseButton::Right);
    button.OnMouseUp(MouseButton::Middle);
    EXPECT_EQ(loaded.view.clicks, 2);
    EXPECT_TRUE(loaded.view.painted.empty());  // only the left button draws

    button.OnGotFocus();
    button.OnTmrMouse(true);
    ASSERT_EQ(button.LookState(), 3);
    button.OnMouseUp(MouseButton::Right);
    EXPECT_EQ(loaded.view.clicks, 2);
}

TEST(ButtonLook, ADisabledButtonShowsDisableIgnoresEverythingAndNeverClicks) {
    LoadedButton loaded;
    Command& button = loaded.button;
    button.Initialize();
    button.OnMouseMove();
    loaded.view.Forget();

    button.SetEnabled(false);
    EXPECT_EQ(loaded.view.painted, (Looks{{Skin::Disable, true}}));
    EXPECT_FALSE(button.LabelEnabled());
    EXPECT_EQ(loaded.view.changed, std::vector<std::string>{"Enabled"});

    loaded.view.Forget();
    button.OnGotFocus();
    button.OnMouseDown(MouseButton::Left);
    button.OnMouseMove();
    button.OnTmrMouse(true);
    button.OnMouseUp(MouseButton::Left);
    button.OnLostFocus();
    EXPECT_TRUE(loaded.view.painted.empty());
    EXPECT_EQ(loaded.view.clicks, 0);
    EXPECT_FALSE(button.MouseIsDown());

    button.SetEnabled(true);
    EXPECT_EQ(loaded.view.painted, (Looks{{Skin::Normal, true}}));
    EXPECT_TRUE(button.LabelEnabled());
    EXPECT_EQ(button.LookState(), 2);  // the enabled look never moves LookState
}

TEST(ButtonLook, ThePointerHasLeftUnlessTheControlItselfIsUnderIt) {
    int control = 0;
    int form = 0;
    int panel = 0;
    EXPECT_FALSE(PointerHasLeft(&control, &control, &form));
    EXPECT_TRUE(PointerHasLeft(&form, &control, &form));
    EXPECT_TRUE(PointerHasLeft(&panel, &control, &form));
}

TEST(ButtonLook, BeforeTheFirstRunReadingEnabledSwitchesItOnAndTheCaptionIsBlack) {
    RecordingView view;
    Command button(view);
    button.ReadProperties({{"Enabled", "False"}, {"FirstRun", "0"}, {"FontColour", "255"}},
                          DesignFont());
    view.Forget();
    EXPECT_TRUE(button.Enabled());
    EXPECT_EQ(button.EnabledFlag(), Command::kTrue);
    EXPECT_EQ(button.FirstRunFlag(), 1);
    EXPECT_EQ(view.painted, (Looks{{Skin::Normal, false}}));

    button.ReadProperties({{"FirstRun", "0"}, {"FontColour", "255"}}, DesignFont());
    EXPECT_EQ(button.LabelColour(), 0u);
}

TEST(ButtonLook, FontColourAndVisibleRefreshTheLookWhileEnabled) {
    LoadedButton loaded;
    Command& button = loaded.button;
    const Looks normal = {{Skin::Normal, false}};
    button.SetFontColour(0x0000FF);
    EXPECT_EQ(button.FontColour(), 0x0000FFu);
    EXPECT_EQ(loaded.view.painted, (Looks{normal[0], normal[0]}));

    button.Initialize();
    button.OnMouseMove();
    loaded.view.Forget();
    button.SetVisible(false);
    EXPECT_FALSE(button.Visible());
    EXPECT_TRUE(loaded.view.painted.empty());
    button.SetVisible(true);
    EXPECT_TRUE(button.IsOpaque());
    EXPECT_EQ(loaded.view.painted, (Looks{{Skin::Normal, true}}));

    // A look that cannot be drawn leaves the caption black.
    loaded.view.paintFails = true;
    button.SetFontColour(0x00FF00);
    EXPECT_EQ(button.LabelColour(), 0u);

    button.SetEnabled(false);
    loaded.view.Forget();
    button.SetFontColour(0x00FF00);
    EXPECT_TRUE(button.Visible());
    EXPECT_EQ(button.LabelColour(), 0x00FF00u);
    EXPECT_TRUE(loaded.view.painted.empty());
}

}  // namespace
