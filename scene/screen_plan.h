#pragma once
// Where the scene goes on the screens. Its window covers the primary monitor at the mode the
// display runs in: the scene's own mode when the display took it, the mode it already had
// otherwise (a remote session, a virtual machine). Every part of any monitor that the window
// leaves bare gets a black cover, so nothing of the desktop shows while the scene runs.
// Rectangles are in virtual-screen pixels, right and bottom exclusive, as the system reports
// the monitors after the mode switch; the primary monitor's top left corner is (0, 0).
#include <span>
#include <vector>

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
};

struct ScreenPlan {
    ScreenRect scene;                // the scene's window; the projection takes its size
    std::vector<ScreenRect> covers;  // black windows, none overlapping the scene's
};

// `requestedModeSet`: whether the display took the scene's mode of size `requested`; when it
// did not, the scene takes `primary`, the primary monitor's size as it is. `monitors`: every
// monitor, the primary among them.
ScreenPlan planScreens(bool requestedModeSet, ScreenSize requested, ScreenSize primary,
                       std::span<const ScreenRect> monitors);
