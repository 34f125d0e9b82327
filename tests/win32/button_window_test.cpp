// The Command button as a window: its look drawn from the program's skins (corners unscaled,
// edges stretched, the face gradient), a grey caption when disabled, mouse and focus messages
// reaching the portable looks, TmrMouse following the real pointer, and Click reaching the
// parent as a push button's WM_COMMAND.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "saver/dialog/button/command_window.h"
#include "saver/resources/resource_ids.h"

namespace {

constexpr int kButtonId = 42;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kLavender = RGB(0xC6, 0xC5, 0xD7);
constexpr wchar_t kParentClass[] = L"SoravaneButtonTestParent";

struct Skin {
    CommandSkin skin;
    int resource;
};
constexpr Skin kSkins[] = {
    {CommandSkin::Normal, SORAVANE_RESOURCE_SKIN_NORMAL},
    {CommandSkin::HighLight, SORAVANE_RESOURCE_SKIN_HIGHLIGHT},
    {CommandSkin::Selected, SORAVANE_RESOURCE_SKIN_SELECTED},
    {CommandSkin::Pressed, SORAVANE_RESOURCE_SKIN_PRESSED},
    {CommandSkin::Disable, SORAVANE_RESOURCE_SKIN_DISABLE},
};

// Whether the image's 4-pixel ring came from `skin`: corners pixel for pixel, edges from the
// skin's edges (uniform along the edge, so their middle pixel will do).
bool RingComesFrom(const PictureSurface& image, const PictureSurface& skin) {
    const auto source = [](int at, int length, int skinLength) {
        return at < 4 ? at : at >= length - 4 ? skinLength - (length - at) : skinLength / 2;
    };
    const int width = image.Width();
    const int height = image.Height();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool inRing = x < 4 || x >= width - 4 || y < 4 || y >= height - 4;
            if (inRing && GetPixel(image.Dc(), x, y) !=
                              GetPixel(skin.Dc(), source(x, width, 64), source(y, height, 25))) {
                return false;
            }
        }
    }
    return true;
}

std::vector<std::pair<WPARAM, LPARAM>> commands;  // what the parent window was sent

LRESULT CALLBACK ParentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        commands.emplace_back(wParam, lParam);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class ButtonWindow : public ::testing::Test {
protected:
    ButtonWindow() {
        WNDCLASSEXW windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = ParentProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        windowClass.lpszClassName = kParentClass;
        RegisterClassExW(&windowClass);
        parent_ = CreateWindowExW(0, kParentClass, L"Button test", WS_POPUP | WS_VISIBLE, 100, 100,
                                  400, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        commands.clear();
        SetForegroundWindow(parent_);
        const HMODULE resources = GetModuleHandleW(nullptr);
        skins_.LoadResources(resources,
                             {SORAVANE_RESOURCE_SKIN_NORMAL, SORAVANE_RESOURCE_SKIN_HIGHLIGHT,
                              SORAVANE_RESOURCE_SKIN_SELECTED, SORAVANE_RESOURCE_SKIN_PRESSED,
                              SORAVANE_RESOURCE_SKIN_DISABLE});
        for (std::size_t i = 0; i < std::size(kSkins); ++i) {
            pictures_[i].LoadBitmapResource(resources, kSkins[i].resource);
        }
        EXPECT_TRUE(
            button_.Create(parent_, {.id = kButtonId, .place = {20, 30, 81, 25}}, "MMMM", skins_));
    }
    ~ButtonWindow() override { DestroyWindow(parent_); }

    // What the button's window shows, through WM_PRINTCLIENT.
    std::unique_ptr<PictureSurface> Shown() const {
        RECT client = {};
        GetClientRect(button_.Window(), &client);
        auto shown = std::make_unique<PictureSurface>();
        shown->Resize(client.right, client.bottom);
        SendMessageW(button_.Window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(shown->Dc()),
                     PRF_CLIENT);
        return shown;
    }
    // The skin whose ring the button shows (HighLightSelect shows HighLight's picture).
    std::optional<CommandSkin> SkinShown() const {
        const auto shown = Shown();
        for (std::size_t i = 0; i < std::size(kSkins); ++i) {
            if (RingComesFrom(*shown, pictures_[i])) {
                return kSkins[i].skin;
            }
        }
        return std::nullopt;
    }
    // The face runs evenly from `top` at row 0 to `bottom` at the last (read left of the caption).
    void ExpectFace(COLORREF top, COLORREF bottom) const {
        const auto shown = Shown();
        const int last = shown->Height() - 1;
        const auto along = [&](int from, int to, int y) { return from + (to - from) * y / last; };
        for (const int y : {4, last / 2, last - 4}) {
            const COLORREF face = GetPixel(shown->Dc(), 5, y);
            EXPECT_NEAR(GetRValue(face), along(GetRValue(top), GetRValue(bottom), y), 3) << y;
            EXPECT_NEAR(GetGValue(face), along(GetGValue(top), GetGValue(bottom), y), 3) << y;
            EXPECT_NEAR(GetBValue(face), along(GetBValue(top), GetBValue(bottom), y), 3) << y;
        }
    }
    // Whether any pixel inside the ring has a red channel in [low, high]: the caption's, as the
    // face is lighter than any text.
    bool CaptionHas(int low, int high) const {
        const auto shown = Shown();
        for (int y = 4; y < shown->Height() - 4; ++y) {
            for (int x = 4; x < shown->Width() - 4; ++x) {
                const int red = GetRValue(GetPixel(shown->Dc(), x, y));
                if (red >= low && red <= high) {
                    return true;
                }
            }
        }
        return false;
    }
    void Send(UINT message, WPARAM wParam = 0, int x = 10, int y = 10) {
        SendMessageW(button_.Window(), message, wParam, MAKELPARAM(x, y));
    }
    // The pointer `x`, `y` pixels from the button's top-left corner, then two TmrMouse ticks
    // (waited for, however long they take: a timer never started never returns).
    void PointerAtThenTicks(int x, int y) {
        POINT point = {x, y};
        ClientToScreen(button_.Window(), &point);
        SetCursorPos(point.x, point.y);
        MSG message;
        for (int tick = 0;
             tick < 2 && GetMessageW(&message, button_.Window(), WM_TIMER, WM_TIMER) > 0; ++tick) {
            DispatchMessageW(&message);
        }
    }

    HWND parent_ = nullptr;
    CommandSkinSet skins_;
    std::array<PictureSurface, std::size(kSkins)> pictures_;
    CommandWindow button_;
};

TEST_F(ButtonWindow, TheLookStretchesOnlyTheSkinsEdgesOverTheFaceAndDisabledIsGreyAndTakesNoFocus) {
    for (const SIZE size : {SIZE{81, 25}, SIZE{150, 40}}) {
        SetWindowPos(button_.Window(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_EQ(SkinShown(), CommandSkin::Normal) << size.cx;
        ExpectFace(kWhite, kLavender);
    }
    EXPECT_TRUE(CaptionHas(0, 0x40));  // black text
    button_.SetEnabled(false);
    EXPECT_EQ(SkinShown(), CommandSkin::Disable);
    // Embossed: no black left, the system's grey text instead.
    EXPECT_FALSE(CaptionHas(0, 0x40));
    const int grey = GetRValue(GetSysColor(COLOR_GRAYTEXT));
    EXPECT_TRUE(CaptionHas(grey - 4, grey + 4)) << grey;
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_NE(GetFocus(), button_.Window());
}

TEST_F(ButtonWindow, AReleaseOverItClicksLikeAPushButtonAndAFirstPressFocusesIt) {
    EXPECT_EQ(FindWindowExW(parent_, nullptr, L"SoravaneCommand", L"MMMM"), button_.Window());
    button_.Initialize();
    Send(WM_MOUSEMOVE);
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    EXPECT_EQ(GetCapture(), button_.Window());
    EXPECT_EQ(GetFocus(), button_.Window());
    EXPECT_EQ(SkinShown(), CommandSkin::Pressed);
    Send(WM_LBUTTONUP);
    EXPECT_EQ(GetCapture(), nullptr);
    Send(WM_RBUTTONDOWN, MK_RBUTTON);
    Send(WM_RBUTTONUP);
    const std::pair click{MAKEWPARAM(kButtonId, BN_CLICKED),
                          reinterpret_cast<LPARAM>(button_.Window())};
    EXPECT_EQ(commands, (std::vector{click, click}));
    // The mouse taken away ends the press: no Pressed look, no click.
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    ReleaseCapture();
    EXPECT_EQ(SkinShown(), CommandSkin::HighLight);  // HighLightSelect's picture
    Send(WM_LBUTTONUP);
    EXPECT_EQ(commands.size(), 2u);
    Send(WM_KILLFOCUS);
    EXPECT_EQ(SkinShown(), CommandSkin::Normal);
    // Nor does a press released outside it.
    Send(WM_MOUSEMOVE);
    Send(WM_LBUTTONDOWN, MK_LBUTTON);
    Send(WM_LBUTTONUP, 0, 200, 10);
    EXPECT_EQ(commands.size(), 2u);
}

TEST_F(ButtonWindow, AHoveredButtonShowsTheFaceUpsideDownUntilTheTimerSeesThePointerLeave) {
    button_.Initialize();
    Send(WM_MOUSEMOVE);
    ExpectFace(kLavender, kWhite);
    PointerAtThenTicks(10, 10);
    EXPECT_EQ(SkinShown(), CommandSkin::HighLight);  // still over it
    PointerAtThenTicks(200, 10);                     // over the parent
    EXPECT_EQ(SkinShown(), CommandSkin::Normal);
}

}  // namespace
