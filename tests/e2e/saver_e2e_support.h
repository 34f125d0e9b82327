#pragma once
// Helpers for the saver's end-to-end scenarios: a fresh folder holding the three shipped
// files, the work folder emptied, the saver's cursor count, the message box it shows, and the
// bitmaps it writes.
#include <windows.h>

#include <optional>
#include <string>

#include "scene/rgb_image.h"
#include "tests/e2e/e2e_support.h"

namespace e2e {

// Soravane.scr, Soravane.dll and Soravane.data copied into a new folder of their own, which
// goes away with everything in it.
class SaverFolder {
public:
    SaverFolder();
    ~SaverFolder();
    SaverFolder(const SaverFolder&) = delete;
    SaverFolder& operator=(const SaverFolder&) = delete;

    bool complete() const { return complete_; }
    // The Windows path of `name` in the folder.
    std::string file(const std::string& name) const { return folder_ + "\\" + name; }
    void remove(const std::string& name) const;
    // Starts the saver with `arguments` after its quoted path, as the system does.
    Process startSaver(const std::string& arguments) const;

private:
    std::string folder_;
    bool complete_ = false;
};

// Removes C:\qorvin and everything in it, read-only files included.
void removeWorkFolder();
bool fileExists(const std::string& path);
std::string readFile(const std::string& path);

// The cursor's display count on the thread that owns `window` (negative: hidden), read by
// sharing that thread's input state for a moment. Nothing when it cannot be shared.
std::optional<int> cursorDisplayCount(HWND window);

// Shares this thread's input state with the thread that owns `window` until destroyed, so
// that its cursor count can still be read after that thread has gone.
class SharedInput {
public:
    explicit SharedInput(HWND window);
    ~SharedInput();
    SharedInput(const SharedInput&) = delete;
    SharedInput& operator=(const SharedInput&) = delete;

    bool attached() const { return attached_; }
    // The shared display count.
    int cursorDisplayCount() const;

private:
    DWORD otherThread_ = 0;
    bool attached_ = false;
};

// A message box titled `caption`, once it is there (null after the timeout).
HWND waitForMessageBox(const wchar_t* caption, DWORD timeoutMs);
// The text of a message box, as UTF-8.
std::string messageBoxText(HWND box);

// The process of the window's owner, to wait for (null when it cannot be opened).
HANDLE openProcessOf(HWND window);

// The bitmap file at `path`, decoded (bottom row first); nothing when it is unreadable.
std::optional<RgbImage> readBitmap(const std::string& path);
// The pixel at (x, y), y counted from the top, as 0x00RRGGBB.
DWORD pixelAt(const RgbImage& image, int x, int y);

}  // namespace e2e
