#pragma once
// Helpers for end-to-end scenarios: the shipped programs started as a user's system would
// start them, inside the test run's private Wine prefix and X display, and looked at and
// handled as a user would.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "saver/runtime/picture_surface.h"

namespace e2e {

// The Windows path of a file in the build's output folder (Soravane.dll, Soravane.data, ...).
std::string shippedFile(const std::string& name);

// A started program; its handle is closed (the program left running) with the last copy.
class Process {
public:
    Process() = default;
    explicit Process(const std::string& commandLine);  // UTF-8

    // The exit code once the process has ended within `timeoutMs`, or -1 while it still runs.
    long waitForExit(DWORD timeoutMs) const;
    bool running() const { return waitForExit(0) == -1; }
    // Waits until the program waits for input with nothing left to handle.
    void waitUntilIdle(DWORD timeoutMs) const { WaitForInputIdle(process_.get(), timeoutMs); }
    void kill() const;

private:
    std::shared_ptr<void> process_;
};

// What `find` finds within `timeoutMs`, asking every 50 ms (null after the timeout) and
// handling this thread's messages in between.
HWND waitFor(const std::function<HWND()>& find, DWORD timeoutMs);
// A top-level window with this title, once it exists.
HWND waitForWindow(const char* title, DWORD timeoutMs);
bool waitForNoWindow(const char* title, DWORD timeoutMs);
// The process that owns `window`, to wait for (null when it cannot be opened).
HANDLE openProcessOf(HWND window);

// The visible top-level windows of the thread that owns `window`, `window` among them.
std::vector<HWND> visibleWindowsOfThread(HWND window);

// The first window below `parent`, at any depth, with this caption (UTF-8).
HWND findChildByText(HWND parent, const std::string& caption);

struct DisplayMode {
    DWORD width, height, bits;
    friend bool operator==(const DisplayMode&, const DisplayMode&) = default;
};
DisplayMode currentDisplayMode();

// Presses a key for 100 ms and releases it, as the keyboard would (to the foreground window),
// with `heldKey` (VK_MENU: Alt) held around the press unless it is 0.
void pressKey(WORD virtualKey, WORD heldKey = 0);
// A left click of the real mouse in the middle of `window`.
void clickWindow(HWND window);
// Returns once the thread of `window` has handled the input sent to it so far.
void settle(HWND window);

// The screen's pixels now.
std::unique_ptr<PictureSurface> captureScreen();

}  // namespace e2e
