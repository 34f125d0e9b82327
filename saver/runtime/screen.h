#pragma once
// The primary screen as the forms see it: its size in pixels and how many twips (1/1440
// inch) make one pixel across and down. The process is DPI-aware (its manifest says so), so
// these are the screen's real pixels.
struct ScreenSize {
    int width = 0;
    int height = 0;
};

ScreenSize PrimaryScreenSize();

// 1440 divided by the screen's logical dots per inch down: 15 at 96, 12 at 120.
double TwipsPerPixelY();
