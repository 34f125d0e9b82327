#include "tests/win32/button_window_fixture.h"

#include <array>

namespace button_test {
namespace {

constexpr wchar_t kParentClass[] = L"SoravaneButtonTestParent";

LRESULT CALLBACK ParentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        auto* commands = reinterpret_cast<std::vector<std::pair<WPARAM, LPARAM>>*>(
            GetWindowLongPtrW(window, GWLP_USERDATA));
        if (commands != nullptr) {
            commands->emplace_back(wParam, lParam);
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A 64 x 25 skin picture whose every pixel says where it is and which skin it belongs to.
HBITMAP MakeTestSkin(CommandSkin skin) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 64;
    info.bmiHeader.biHeight = -25;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < 25; ++y) {
        for (int x = 0; x < 64; ++x) {
            pixels[y * 64 + x] =
                static_cast<std::uint32_t>((4 * x) << 16 | (10 * y) << 8 | SkinBlue(skin));
        }
    }
    return bitmap;
}

}  // namespace

ButtonWindow::ButtonWindow() {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ParentProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    windowClass.lpszClassName = kParentClass;
    RegisterClassExW(&windowClass);
    parent_ = CreateWindowExW(0, kParentClass, L"Button test", WS_POPUP | WS_VISIBLE, 100, 100, 400,
                              200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(parent_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&commands_));
    SetForegroundWindow(parent_);
    for (std::size_t i = 0; i < kCommandSkinCount; ++i) {
        const HBITMAP skin = MakeTestSkin(static_cast<CommandSkin>(i));
        skins_.SetPicture(static_cast<CommandSkin>(i), skin);
        DeleteObject(skin);
    }
}

ButtonWindow::~ButtonWindow() {
    DestroyWindow(parent_);
}

void ButtonWindow::CreateButton(int width, int height, const PropertyStore& stored) {
    ASSERT_TRUE(button_.Create(
        parent_, {.id = kButtonId, .x = kButtonX, .y = kButtonY, .width = width, .height = height},
        stored, skins_));
    PumpFor(0);
}

void ButtonWindow::PumpFor(int ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

void ButtonWindow::Send(UINT message, WPARAM wParam, int x, int y) {
    SendMessageW(button_.Window(), message, wParam, MAKELPARAM(x, y));
}

void ButtonWindow::PointerAt(int x, int y) {
    POINT point = {x, y};
    ClientToScreen(button_.Window(), &point);
    SetCursorPos(point.x, point.y);
}

std::vector<Pixel> ButtonWindow::Composite() {
    const int width = button_.Image().Width();
    const int height = button_.Image().Height();
    PictureSurface capture;
    capture.Resize(width, height);
    const RECT whole = {0, 0, width, height};
    const HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(capture.Dc(), &whole, magenta);
    DeleteObject(magenta);
    SendMessageW(button_.Window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(capture.Dc()),
                 PRF_CLIENT);
    std::vector<Pixel> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(PixelAt(capture, x, y));
        }
    }
    return pixels;
}

std::vector<Pixel> ButtonWindow::CaptionPixels() {
    const std::vector<Pixel> shown = Composite();
    const int width = button_.Image().Width();
    std::vector<Pixel> caption;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const Pixel image =
            PixelAt(button_.Image(), static_cast<int>(i) % width, static_cast<int>(i) / width);
        if (shown[i].red != image.red || shown[i].green != image.green ||
            shown[i].blue != image.blue) {
            caption.push_back(shown[i]);
        }
    }
    return caption;
}

}  // namespace button_test
