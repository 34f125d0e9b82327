#include "tests/e2e/dialog_e2e_support.h"

#include <vector>

#include "tests/e2e/e2e_support.h"

namespace e2e {

namespace {

struct Search {
    std::wstring caption;
    const wchar_t* className;
    HWND found = nullptr;
};

std::wstring wide(const std::string& text) {
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring result(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(),
                        length);
    return result;
}

BOOL CALLBACK checkChild(HWND child, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    std::vector<wchar_t> text(512, L'\0');
    GetWindowTextW(child, text.data(), static_cast<int>(text.size()));
    if (search->caption != text.data()) {
        return TRUE;
    }
    if (search->className != nullptr) {
        wchar_t className[64] = {};
        GetClassNameW(child, className, 64);
        if (lstrcmpiW(className, search->className) != 0) {
            return TRUE;
        }
    }
    search->found = child;
    return FALSE;
}

LPARAM middleOf(HWND control) {
    RECT client = {};
    GetClientRect(control, &client);
    return MAKELPARAM(client.right / 2, client.bottom / 2);
}

}  // namespace

HWND findChildByText(HWND parent, const std::string& caption, const wchar_t* className) {
    Search search{wide(caption), className};
    EnumChildWindows(parent, &checkChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string windowTexts(HWND parent) {
    std::string texts;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM parameter) -> BOOL {
            wchar_t text[512] = {};
            GetWindowTextW(child, text, 512);
            char utf8[1536] = {};
            WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
            *reinterpret_cast<std::string*>(parameter) += std::string(utf8) + "\n";
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

void clickControl(HWND control) {
    RECT onScreen = {};
    GetWindowRect(control, &onScreen);
    SetCursorPos((onScreen.left + onScreen.right) / 2, (onScreen.top + onScreen.bottom) / 2);
    sleepMs(200);  // the button notices the pointer over it
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &inputs[0], sizeof(INPUT));
    sleepMs(100);
    SendInput(1, &inputs[1], sizeof(INPUT));
}

void pressOnControl(HWND control, UINT buttonDownMessage) {
    const WPARAM buttons = buttonDownMessage == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON;
    SendMessageW(control, buttonDownMessage, buttons, middleOf(control));
}

RECT clientRectOnScreen(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    POINT corner = {0, 0};
    ClientToScreen(window, &corner);
    return {corner.x, corner.y, corner.x + client.right, corner.y + client.bottom};
}

}  // namespace e2e
