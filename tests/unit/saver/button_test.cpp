// The Command button: which skin each focus, mouse and timer event shows, when it clicks, and
// the arithmetic of its drawing.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

#include "saver/dialog/button/command_control.h"
#include "saver/dialog/button/command_geometry.h"

namespace {

struct PaintedLook {
    CommandSkin skin;
    bool invertFace;

    friend bool operator==(const PaintedLook&, const PaintedLook&) = default;
};

// Records what the button asks of its window.
class RecordingView : public CommandView {
public:
    bool PaintSkin(CommandSkin skin, bool invertFace) override {
        painted.push_back({skin, invertFace});
        return true;
    }
    void AppearanceChanged() override {}
    void StartTmrMouse(unsigned intervalMs) override { timerStarts.push_back(intervalMs); }
    void Click() override { ++clicks; }

    void Forget() { *this = RecordingView{}; }

    std::vector<PaintedLook> painted;
    std::vector<unsigned> timerStarts;
    int clicks = 0;
};

struct LoadedButton {
    RecordingView view;
    Command button{view};
};

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
const auto kLeftUp = [](Command& b) { b.OnMouseUp(MouseButton::Left, true); };
const auto kPressLost = [](Command& b) { b.OnPressLost(); };
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
                     {"press lost", kPressLost, PaintedLook{Skin::HighLightSelect, true}, 4},
                     {"press lost again", kPressLost, std::nullopt, 4},
                     {"left down again", kLeftDown, PaintedLook{Skin::Pressed, true}, 4},
                     {"left up", kLeftUp, PaintedLook{Skin::HighLightSelect, true}, 4},
                 });
    EXPECT_EQ(loaded.view.clicks, 1);
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

TEST(ButtonLook, OnlyAReleaseOverItEndingAPressBegunOnItClicksUnlessFocusedWithThePointerAway) {
    LoadedButton loaded;
    Command& button = loaded.button;
    button.Initialize();
    button.OnMouseMove();
    loaded.view.Forget();
    button.OnMouseUp(MouseButton::Middle, true);  // no press began on it
    button.OnMouseDown(MouseButton::Right);
    button.OnMouseUp(MouseButton::Right, true);
    button.OnMouseUp(MouseButton::Middle, true);  // that press has ended
    button.OnMouseDown(MouseButton::Middle);
    button.OnMouseUp(MouseButton::Middle, false);  // released outside
    button.OnMouseDown(MouseButton::Right);
    button.OnPressLost();
    button.OnMouseUp(MouseButton::Right, true);
    EXPECT_EQ(loaded.view.clicks, 1);
    EXPECT_TRUE(loaded.view.painted.empty());  // only the left button draws

    button.OnGotFocus();
    button.OnTmrMouse(true);  // LookState 3
    button.OnMouseDown(MouseButton::Right);
    button.OnMouseUp(MouseButton::Right, true);
    EXPECT_EQ(loaded.view.clicks, 1);
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

    loaded.view.Forget();
    button.OnGotFocus();
    button.OnMouseDown(MouseButton::Left);
    button.OnMouseMove();
    button.OnTmrMouse(true);
    button.OnMouseUp(MouseButton::Left, true);
    button.OnLostFocus();
    EXPECT_TRUE(loaded.view.painted.empty());
    EXPECT_EQ(loaded.view.clicks, 0);

    button.SetEnabled(true);
    EXPECT_EQ(loaded.view.painted, (Looks{{Skin::Normal, true}}));
    EXPECT_TRUE(button.LabelEnabled());
    EXPECT_EQ(button.LookState(), 2);  // the enabled look never moves LookState
}

TEST(ButtonLook, ThePointerHasLeftUnlessTheControlItselfIsUnderIt) {
    int control = 0, form = 0, panel = 0;
    EXPECT_FALSE(PointerHasLeft(&control, &control, &form));
    EXPECT_TRUE(PointerHasLeft(&form, &control, &form));
    EXPECT_TRUE(PointerHasLeft(&panel, &control, &form));
}

// Pieces at the dialog's sizes are checked on the window's pixels (Win32 tests), smaller here.
TEST(ButtonGeometry, AButtonSmallerThanTwoCornersSharesThemAndHasNoEdges) {
    const auto pieces = SkinPieces(7, 5);
    EXPECT_EQ(pieces[0], (SkinPiece{{0, 0, 3, 2}, {0, 0, 3, 2}}));
    EXPECT_EQ(pieces[2], (SkinPiece{{3, 0, 4, 2}, {60, 0, 4, 2}}));
    EXPECT_EQ(pieces[4], (SkinPiece{{3, 2, 4, 3}, {60, 22, 4, 3}}));
    EXPECT_EQ(pieces[6], (SkinPiece{{0, 2, 3, 3}, {0, 22, 3, 3}}));
    for (int edge : {1, 3, 5, 7}) {
        EXPECT_TRUE(pieces[edge].destination.IsEmpty()) << edge;
    }
    for (const SkinPiece& piece : SkinPieces(0, -3)) {
        EXPECT_TRUE(piece.destination.IsEmpty());
    }
}

// Exactly: the window's pixels are read within a few levels.
TEST(ButtonGeometry, TheFaceRunsFromWhiteDownToLavenderGrey) {
    EXPECT_EQ(FaceGradientColours(false).top, (FaceColour{0xFF00, 0xFF00, 0xFF00, 0}));
    EXPECT_EQ(FaceGradientColours(false).bottom, (FaceColour{0xC600, 0xC500, 0xD700, 0}));
}

TEST(ButtonGeometry, TheCaptionSitsTwentyTwipsAboveTheMiddle) {
    EXPECT_EQ(CaptionTop(25, 13, 15.0), 5);   // 80 twips
    EXPECT_EQ(CaptionTop(25, 12, 15.0), 6);   // 87.5 twips
    EXPECT_EQ(CaptionTop(25, 13, 12.0), 5);   // 62 twips at 120 dots per inch
    EXPECT_EQ(CaptionTop(10, 13, 15.0), -2);  // a caption taller than its button
}

}  // namespace
