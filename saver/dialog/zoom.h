#pragma once
// The settings dialog's opening and closing animation: a caption bar that grows from the
// point where the mouse was when the dialog loaded (CursorX, CursorY) to the window, and
// shrinks back to that same point when it unloads, wherever the mouse is by then.
#include <windows.h>

#include "saver/settings/shared_state.h"

// Records the mouse position in CursorX and CursorY; both 0 when it cannot be read.
void RecordCursor(SharedState& state);
void ZoomOpen(HWND window, const SharedState& state);
void ZoomClose(HWND window, const SharedState& state);
