#include "saver/runtime/screen.h"

#include <windows.h>

#include "saver/runtime/win32_handles.h"

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr int kDefaultDotsPerInch = 96;

double TwipsPerPixel(int logPixelsIndex) {
    const WindowDc screen(nullptr);
    int dotsPerInch = screen.get() != nullptr ? GetDeviceCaps(screen.get(), logPixelsIndex) : 0;
    if (dotsPerInch <= 0) {
        dotsPerInch = kDefaultDotsPerInch;
    }
    return kTwipsPerInch / dotsPerInch;
}

}  // namespace

ScreenSize PrimaryScreenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

double TwipsPerPixelX() {
    return TwipsPerPixel(LOGPIXELSX);
}

double TwipsPerPixelY() {
    return TwipsPerPixel(LOGPIXELSY);
}
