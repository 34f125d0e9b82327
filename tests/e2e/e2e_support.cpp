#include "tests/e2e/e2e_support.h"

#include "saver/runtime/win32_text.h"

namespace e2e {

std::string shippedFile(const std::string& name) {
    // The build folder through Wine's Z: drive.
    std::string path = "Z:" + std::string(SORAVANE_BIN_DIR) + "/" + name;
    for (char& c : path) {
        c = c == '/' ? '\\' : c;
    }
    return path;
}

Process::Process(const std::string& commandLine) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    std::wstring mutableLine = Utf8ToWide(commandLine);
    PROCESS_INFORMATION started = {};
    if (CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &started)) {
        CloseHandle(started.hThread);
        process_.reset(started.hProcess, CloseHandle);
    }
}

long Process::waitForExit(DWORD timeoutMs) const {
    DWORD code = 0;
    if (!process_ || WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process_.get(), &code)) {
        return -1;
    }
    return static_cast<long>(code);
}

void Process::kill() const {
    if (process_ && TerminateProcess(process_.get(), 99)) {
        WaitForSingleObject(process_.get(), 5000);
    }
}

HWND waitFor(const std::function<HWND()>& find, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND found = find()) {
            return found;
        }
        if (GetTickCount() - start >= timeoutMs) {
            return nullptr;
        }
        Sleep(50);
        MSG message;  // other programs' calls may wait on this thread's windows
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }
}

HWND waitForWindow(const char* title, DWORD timeoutMs) {
    return waitFor([title] { return FindWindowA(nullptr, title); }, timeoutMs);
}

bool waitForNoWindow(const char* title, DWORD timeoutMs) {
    const auto gone = [title] {
        return FindWindowA(nullptr, title) == nullptr ? GetDesktopWindow() : nullptr;
    };
    return waitFor(gone, timeoutMs) != nullptr;
}

HANDLE openProcessOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId != 0 ? OpenProcess(SYNCHRONIZE, FALSE, processId) : nullptr;
}

std::vector<HWND> visibleWindowsOfThread(HWND window) {
    std::vector<HWND> found;
    const auto addVisible = [](HWND candidate, LPARAM list) -> BOOL {
        if (IsWindowVisible(candidate)) {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(candidate);
        }
        return TRUE;
    };
    EnumThreadWindows(GetWindowThreadProcessId(window, nullptr), addVisible,
                      reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND findChildByText(HWND parent, const std::string& caption) {
    struct Search {
        std::wstring caption;
        HWND found = nullptr;
    } search{Utf8ToWide(caption)};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM parameter) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(parameter);
            wchar_t text[512] = {};
            GetWindowTextW(child, text, 512);
            search.found = search.caption == text ? child : nullptr;
            return search.found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

DisplayMode currentDisplayMode() {
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode);
    return {mode.dmPelsWidth, mode.dmPelsHeight, mode.dmBitsPerPel};
}

namespace {

// Sends `down`, holds it for a tenth of a second as a finger would, then sends `up`: a program
// that samples the key state between messages must see it held.
void holdAndRelease(INPUT down, INPUT up) {
    SendInput(1, &down, sizeof down);
    Sleep(100);
    SendInput(1, &up, sizeof up);
}

// The mouse itself: moved to `at` on the screen, with `buttons` (MOUSEEVENTF_ flags) after.
void mouse(POINT at, DWORD buttons) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
    SendInput(1, &input, sizeof input);
}

}  // namespace

void pressKey(WORD virtualKey, WORD heldKey) {
    INPUT down = {};
    down.type = INPUT_KEYBOARD;
    down.ki.wVk = virtualKey;
    INPUT up = down;
    up.ki.dwFlags = KEYEVENTF_KEYUP;
    INPUT held[2] = {down, up};
    held[0].ki.wVk = held[1].ki.wVk = heldKey;
    SendInput(heldKey != 0 ? 1 : 0, &held[0], sizeof held[0]);
    holdAndRelease(down, up);
    SendInput(heldKey != 0 ? 1 : 0, &held[1], sizeof held[1]);
}

void clickWindow(HWND window) {
    RECT onScreen = {};
    GetWindowRect(window, &onScreen);
    const POINT at = {(onScreen.left + onScreen.right) / 2, (onScreen.top + onScreen.bottom) / 2};
    mouse({at.x + 1, at.y}, 0);  // moving onto the spot, as a hand does
    mouse(at, 0);
    Sleep(200);  // a button notices the pointer over it
    mouse(at, MOUSEEVENTF_LEFTDOWN);
    Sleep(100);
    mouse(at, 0);
    mouse(at, MOUSEEVENTF_LEFTUP);
}

void settle(HWND window) {
    // Sent messages come before input: the first answer lets the input through, the second
    // comes once it has been handled.
    for (int trip = 0; trip < 2; ++trip) {
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
    }
}

std::unique_ptr<PictureSurface> captureScreen() {
    auto shot = std::make_unique<PictureSurface>();
    shot->Resize(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    HDC screen = GetDC(nullptr);
    BitBlt(shot->Dc(), 0, 0, shot->Width(), shot->Height(), screen, 0, 0, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return shot;
}

}  // namespace e2e
