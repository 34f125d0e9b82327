// The Command window's glue: mouse and focus messages reach the portable looks, TmrMouse
// follows the real pointer, Click reaches the parent as a push button's WM_COMMAND, and the
// stored description sets the button up.
#include "tests/win32/button_window_fixture.h"

namespace button_test {
namespace {

const WPARAM kClicked = MAKEWPARAM(kButtonId, BN_CLICKED);

TEST_F(ButtonWindow, ReleasingAnyButtonOverItSendsAClickToTheParent) {
    CreateButton(81, 25);
    button_.Initialize();
    Send(WM_MOUSEMOVE);
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(GetCapture(), button_.Window());
    Send(WM_LBUTTONUP);
    EXPECT_EQ(GetCapture(), nullptr);
    Send(WM_RBUTTONDOWN, MK_RBUTTON);
    Send(WM_RBUTTONUP);
    ASSERT_EQ(commands_.size(), 2u);
    for (const auto& [wParam, lParam] : commands_) {
        EXPECT_EQ(wParam, kClicked);
        EXPECT_EQ(reinterpret_cast<HWND>(lParam), button_.Window());
    }

    button_.SetEnabled(false);
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    Send(WM_LBUTTONUP);
    EXPECT_EQ(commands_.size(), 2u);
    EXPECT_EQ(SkinShown(button_), CommandSkin::Disable);
}

TEST_F(ButtonWindow, TheFirstClickOnAHoveredButtonFocusesPressesAndHighlights) {
    CreateButton(81, 25);
    button_.Initialize();
    Send(WM_MOUSEMOVE);
    EXPECT_EQ(SkinShown(button_), CommandSkin::HighLight);
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(GetFocus(), button_.Window());
    EXPECT_EQ(button_.State().LookState(), 4);
    EXPECT_EQ(SkinShown(button_), CommandSkin::Pressed);
    Send(WM_LBUTTONUP);
    EXPECT_EQ(SkinShown(button_), CommandSkin::HighLightSelect);
    EXPECT_EQ(commands_.size(), 1u);

    Send(WM_KILLFOCUS);
    EXPECT_EQ(SkinShown(button_), CommandSkin::Normal);
}

TEST_F(ButtonWindow, TheTimerSeesThePointerLeaveAndAPressDraggedOffDoesNotClick) {
    CreateButton(81, 25);
    button_.Initialize();
    PointerAt(10, 10);
    Send(WM_MOUSEMOVE);
    PumpFor(250);
    EXPECT_EQ(SkinShown(button_), CommandSkin::HighLight);  // still over it

    PointerAt(200, 10);  // over the parent
    PumpFor(250);
    EXPECT_EQ(SkinShown(button_), CommandSkin::Normal);

    PointerAt(10, 10);
    Send(WM_MOUSEMOVE);
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    PointerAt(200, 10);
    Send(WM_MOUSEMOVE, MK_LBUTTON, 200, 10);  // captured, but not over the button
    PumpFor(250);
    EXPECT_EQ(button_.State().LookState(), 3);
    EXPECT_EQ(SkinShown(button_), CommandSkin::Selected);
    Send(WM_LBUTTONUP, 0, 200, 10);
    EXPECT_TRUE(commands_.empty());
    EXPECT_FALSE(button_.State().MouseIsDown());
}

TEST_F(ButtonWindow, TheStoredDescriptionSetsUpTheButtonAndItsCaptionNamesItsWindow) {
    CreateButton(81, 25, {{"Caption", "ｷｬﾝｾﾙ"}, {"Font", "Tahoma"}});
    EXPECT_EQ(FindWindowExW(parent_, nullptr, L"SoravaneCommand", L"ｷｬﾝｾﾙ"), button_.Window());
    EXPECT_EQ(button_.Font().faceName, "Tahoma");
    button_.SetCaption("設定");
    EXPECT_EQ(FindWindowExW(parent_, nullptr, L"SoravaneCommand", L"設定"), button_.Window());
}

}  // namespace
}  // namespace button_test
