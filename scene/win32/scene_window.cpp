#include "scene/win32/scene_window.h"

#include "scene/frame.h"
#include "scene/screen_plan.h"
#include "scene/win32/monitor_covers.h"
#include "scene/win32/swap_interval.h"

namespace {

constexpr char kWindowClassName[] = "OpenGL";

SceneWindowState state;

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ACTIVATE:
            // Only minimising stops the drawing; a window that merely loses the focus draws on.
            state.windowActive = HIWORD(wParam) == 0;
            return 0;
        case WM_SYSCOMMAND:
            // Neither a screen saver nor monitor power-down may start through this window. The
            // low four bits of the command are the system's own.
            if ((wParam & 0xFFF0) == SC_SCREENSAVE || (wParam & 0xFFF0) == SC_MONITORPOWER) {
                return 0;
            }
            break;
        case WM_CLOSE:
            PostQuitMessage(0);
            return 0;
        case WM_SYSKEYDOWN:
            // Escape with Alt held ends the scene too; the system keeps its own use of the keys.
            state.escapePressed = state.escapePressed || wParam == VK_ESCAPE;
            break;
        case WM_KEYDOWN:
        case WM_KEYUP:
            // A slow frame may hold both messages of a short press: Escape's key-down is kept
            // until the loop has seen it, whatever its key-up does to the table.
            state.escapePressed =
                state.escapePressed || (message == WM_KEYDOWN && wParam == VK_ESCAPE);
            // Real key messages carry codes below 256; a posted one may carry anything.
            if (wParam < sizeof state.keyDown) {
                state.keyDown[wParam] = message == WM_KEYDOWN ? 1 : 0;
            }
            return 0;
        case WM_SIZE:
            resizeScene(LOWORD(lParam), HIWORD(lParam));
            return 0;
        default:
            break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool registerWindowClass() {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = state.instance;
    windowClass.hIcon = LoadIcon(nullptr, IDI_WINLOGO);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kWindowClassName;
    return RegisterClassA(&windowClass) != 0;
}

bool switchDisplayMode(int width, int height, int bits) {
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    mode.dmBitsPerPel = static_cast<DWORD>(bits);
    mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    return ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL;
}

PIXELFORMATDESCRIPTOR pixelFormatRequest(int bits) {
    PIXELFORMATDESCRIPTOR request = {};
    request.nSize = sizeof request;
    request.nVersion = 1;
    request.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    request.iPixelType = PFD_TYPE_RGBA;
    request.cColorBits = static_cast<BYTE>(bits);
    request.cDepthBits = 16;
    request.iLayerType = PFD_MAIN_PLANE;
    return request;
}

bool createRenderContext(int bits) {
    const PIXELFORMATDESCRIPTOR request = pixelFormatRequest(bits);
    state.deviceContext = GetDC(state.window);
    if (state.deviceContext == nullptr) {
        return false;
    }
    const int format = ChoosePixelFormat(state.deviceContext, &request);
    if (format == 0 || !SetPixelFormat(state.deviceContext, format, &request)) {
        return false;
    }
    state.renderContext = wglCreateContext(state.deviceContext);
    if (state.renderContext == nullptr) {
        return false;
    }
    return wglMakeCurrent(state.deviceContext, state.renderContext) != FALSE;
}

}  // namespace

SceneWindowState& sceneWindowState() {
    return state;
}

std::optional<SceneExitCode> openSceneWindow(const char* title, int width, int height, int bits) {
    state.instance = GetModuleHandleA(nullptr);
    if (!registerWindowClass()) {
        return kSceneWindowFailed;
    }
    // A display that refuses the mode keeps its own, and the scene covers it as it is.
    state.displaySwitched = switchDisplayMode(width, height, bits);
    const ScreenPlan plan =
        planScreens(state.displaySwitched, {width, height},
                    {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, monitorRects());
    const int sceneWidth = plan.scene.right - plan.scene.left;
    const int sceneHeight = plan.scene.bottom - plan.scene.top;
    RECT rect = {plan.scene.left, plan.scene.top, plan.scene.right, plan.scene.bottom};
    // Before the scene's window, which then takes the foreground from them.
    coverScreens(state.instance, plan.covers);

    const DWORD exStyle = WS_EX_APPWINDOW;
    const DWORD style = WS_POPUP;
    ShowCursor(FALSE);
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    state.window =
        CreateWindowExA(exStyle, kWindowClassName, title, style | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                        rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                        nullptr, nullptr, state.instance, nullptr);
    if (state.window == nullptr || !createRenderContext(bits)) {
        closeSceneWindow();
        return kSceneWindowFailed;
    }
    // Every motion is an increment per frame: tie frames to the display's refresh where the
    // driver lets us, or the world races by at thousands of frames a second.
    requestSwapInterval(1);

    ShowWindow(state.window, SW_SHOW);
    SetForegroundWindow(state.window);
    SetFocus(state.window);
    resizeScene(sceneWidth, sceneHeight);
    return std::nullopt;
}

void closeSceneWindow() {
    if (state.displaySwitched) {
        ChangeDisplaySettingsA(nullptr, 0);
        state.displaySwitched = false;
    }
    ShowCursor(TRUE);
    if (state.renderContext != nullptr) {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(state.renderContext);
        state.renderContext = nullptr;
    }
    if (state.deviceContext != nullptr) {
        ReleaseDC(state.window, state.deviceContext);
        state.deviceContext = nullptr;
    }
    if (state.window != nullptr) {
        DestroyWindow(state.window);
        state.window = nullptr;
    }
    UnregisterClassA(kWindowClassName, state.instance);
    uncoverScreens();
}
