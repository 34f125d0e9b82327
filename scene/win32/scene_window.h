#pragma once
// The scene program's window: a borderless pop-up covering the primary monitor, switched to
// the requested mode where the display takes it and at its own mode otherwise, with an OpenGL
// rendering context current on the calling thread; black covers over the other monitors. Owns
// the process's window state; used from WinMain's thread only.
#include <windows.h>

#include <optional>

#include "scene/win32/scene_exit_code.h"

struct SceneWindowState {
    HINSTANCE instance = nullptr;
    HWND window = nullptr;
    HDC deviceContext = nullptr;  // the class's own DC, held for the whole run
    HGLRC renderContext = nullptr;
    bool windowActive = true;      // false while minimised: no frame is drawn then
    bool displaySwitched = false;  // the display took the requested mode; restored at the end
    BYTE keyDown[256] = {};        // by virtual-key code, 1 while down
    bool escapePressed = false;    // an Escape key-down has arrived: the scene ends
};

// The process's window state (one window per process).
SceneWindowState& sceneWindowState();

// Registers the class, switches the display mode where the display takes it, covers the
// other monitors, creates the window and its context, current on this thread, and sets the
// projection to the window's size. Nothing when all went well; otherwise the exit code of the
// failure, with everything created released again.
std::optional<SceneExitCode> openSceneWindow(const char* title, int width, int height, int bits);

// Restores the display mode (when it was switched) and the cursor, releases context, DC,
// window and class, and takes the covers away. Safe after a partial open.
void closeSceneWindow();
