#pragma once
// A parent window holding one Command button drawn from test skins: every skin picture encodes
// its own pixel positions (red = 4 x, green = 10 y) and which skin it is (blue), so the
// control's persistent image tells which look was drawn and where each pixel came from.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <vector>

#include "saver/settings/command_window.h"

namespace button_test {

constexpr int kButtonId = 42;
constexpr int kButtonX = 20;  // in the parent's client area
constexpr int kButtonY = 30;

struct Pixel {
    int red;
    int green;
    int blue;
};

inline int SkinBlue(CommandSkin skin) {
    return 20 + 40 * static_cast<int>(skin);
}

inline Pixel PixelAt(const PictureSurface& image, int x, int y) {
    const auto rows = image.Rows();
    const std::size_t at = static_cast<std::size_t>(image.Height() - 1 - y) * image.Stride() +
                           static_cast<std::size_t>(x) * 3;
    return {rows[at + 2], rows[at + 1], rows[at]};
}

// The look last drawn, read from the top edge's middle.
inline CommandSkin SkinShown(const CommandWindow& button) {
    return static_cast<CommandSkin>(
        (PixelAt(button.Image(), button.Image().Width() / 2, 0).blue - 20) / 40);
}

class ButtonWindow : public ::testing::Test {
protected:
    ButtonWindow();
    ~ButtonWindow() override;

    // Makes the button, `width` x `height` pixels, from `stored`.
    void CreateButton(int width, int height, const PropertyStore& stored = {{"Caption", "設定"}});
    // Dispatches the thread's messages for `ms` milliseconds, so that timers tick.
    static void PumpFor(int ms);
    void Send(UINT message, WPARAM wParam = 0, int x = 10, int y = 10);
    // The pointer `x`, `y` pixels from the button's top-left corner.
    void PointerAt(int x, int y);
    // What WM_PAINT shows, captured through WM_PRINTCLIENT over a magenta background.
    std::vector<Pixel> Composite();
    // The pixels where the screen shows more than the persistent image: the caption's.
    std::vector<Pixel> CaptionPixels();

    HWND parent_ = nullptr;
    CommandSkinSet skins_;
    CommandWindow button_;
    // WM_COMMAND messages the parent received, as wParam and lParam.
    std::vector<std::pair<WPARAM, LPARAM>> commands_;
};

}  // namespace button_test
