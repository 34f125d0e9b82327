#include "saver/runtime/screen.h"

#include <windows.h>

#include "saver/runtime/win32_handles.h"

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr int kDefaultDotsPerInch = 96;

}  // namespace

ScreenSize PrimaryScreenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

double TwipsPerPixelY() {
    const WindowDc screen(nullptr);
    int dotsPerInch = screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    if (dotsPerInch <= 0) {
        dotsPerInch = kDefaultDotsPerInch;
    }
    return kTwipsPerInch / dotsPerInch;
}
