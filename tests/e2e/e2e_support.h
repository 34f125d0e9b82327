#pragma once
// Helpers for end-to-end scenarios: the shipped programs started as a user's system would
// start them, inside the test run's private Wine prefix and X display.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The Windows path of a file in the build's output folder (Soravane.dll, Soravane.data, ...).
std::string shippedFile(const std::string& name);

// The Windows path of a Linux path, through Wine's Z: drive.
std::string windowsPathOf(const std::string& unixPath);

// A started program; the handle is closed (the program left running) when this goes away.
class Process {
public:
    Process() = default;
    explicit Process(const std::string& commandLine);
    ~Process();
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;

    bool started() const { return info_.hProcess != nullptr; }
    // The exit code once the process has ended within `timeoutMs`, or -1 while it still runs.
    long waitForExit(DWORD timeoutMs) const;
    bool running() const { return waitForExit(0) == -1; }
    void kill() const;

private:
    PROCESS_INFORMATION info_ = {};
};

// Waits until a top-level window with this title exists (null after the timeout).
HWND waitForWindow(const char* title, DWORD timeoutMs);
// Waits until no top-level window with this title exists.
bool waitForNoWindow(const char* title, DWORD timeoutMs);

struct DisplayMode {
    DWORD width, height, bits;
};
DisplayMode currentDisplayMode();

// Presses a key for 100 ms and releases it, as the keyboard would (to the foreground window).
void pressKey(WORD virtualKey);
// Moves the mouse by (dx, dy) and clicks the left button.
void moveAndClickMouse(int dx, int dy);

// The screen's pixels now, top row first, as 0x00RRGGBB.
struct ScreenShot {
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels;
    DWORD at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool saveBmp(const std::string& path) const;
};
ScreenShot captureScreen();

void sleepMs(DWORD ms);

}  // namespace e2e
