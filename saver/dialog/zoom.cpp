#include "saver/dialog/zoom.h"

namespace {

RECT CursorPoint(const SharedState& state) {
    return {state.CursorX, state.CursorY, state.CursorX, state.CursorY};
}

}  // namespace

void RecordCursor(SharedState& state) {
    POINT position = {};
    if (GetCursorPos(&position) == FALSE) {
        position = {};
    }
    state.CursorX = static_cast<std::int16_t>(position.x);
    state.CursorY = static_cast<std::int16_t>(position.y);
}

void ZoomOpen(HWND window, const SharedState& state) {
    RECT windowRect = {};
    GetWindowRect(window, &windowRect);
    const RECT from = CursorPoint(state);
    DrawAnimatedRects(window, IDANI_CAPTION, &from, &windowRect);
}

void ZoomClose(HWND window, const SharedState& state) {
    RECT windowRect = {};
    GetWindowRect(window, &windowRect);
    const RECT to = CursorPoint(state);
    DrawAnimatedRects(window, IDANI_CAPTION, &windowRect, &to);
}
