#pragma once
// A recognisable desktop for snapshot checks: a topmost window over the whole primary screen
// in which every column has its own colour and the rows shade from top to bottom. Used by
// the Win32 tests of the snapshot and by the end-to-end run of the saver.
#include <windows.h>

#include <vector>

namespace e2e {

// The colour of screen pixel (x, y), as 0x00RRGGBB: red counts the column within 256, green
// tells which 256 columns, blue is the row within 256. Unique per column up to 2048 columns.
DWORD desktopPatternColour(int x, int y);

class DesktopPattern {
public:
    // Shows the window and lets it paint. Check shown() before relying on it.
    DesktopPattern();
    ~DesktopPattern();
    DesktopPattern(const DesktopPattern&) = delete;
    DesktopPattern& operator=(const DesktopPattern&) = delete;

    bool shown() const { return window_ != nullptr; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Dispatches this thread's messages for `ms` milliseconds, so the window repaints.
    static void pumpFor(DWORD ms);

private:
    static LRESULT CALLBACK procedure(HWND, UINT, WPARAM, LPARAM);
    void paint(HDC dc) const;

    HWND window_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    std::vector<DWORD> pixels_;  // top row first
};

}  // namespace e2e
