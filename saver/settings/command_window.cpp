#include "saver/settings/command_window.h"

#include <windowsx.h>

#include "saver/runtime/screen.h"
#include "saver/runtime/win32_text.h"
#include "saver/settings/command_painting.h"

namespace {

constexpr wchar_t kCommandClassName[] = L"SoravaneCommand";

constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

}  // namespace

CommandWindow::CommandWindow() : command_(*this) {}

CommandWindow::~CommandWindow() {
    Destroy();
}

bool CommandWindow::Create(HWND parent, const CommandPlacement& placement,
                           const PropertyStore& stored, const CommandSkinSet& skins,
                           const CommandFont& ambientFont) {
    if (window_ != nullptr || !RegisterOwnedWindowClass<CommandWindow>(kCommandClassName)) {
        return false;
    }
    id_ = placement.id;
    notify_ = placement.notify != nullptr ? placement.notify : parent;
    skins_ = &skins;
    ambientFont_ = ambientFont;
    // WM_NCCREATE sets window_; the first WM_SIZE only sizes the image.
    CreateWindowExW(0, kCommandClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, placement.x,
                    placement.y, placement.width, placement.height, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(placement.id)),
                    GetModuleHandleW(nullptr), this);
    if (window_ == nullptr) {
        return false;
    }
    // As a form sites its controls: properties first, then the size, which shows the look.
    command_.ReadProperties(stored, ambientFont_);
    isSited_ = true;
    command_.OnResize();
    return true;
}

bool CommandWindow::PaintSkin(CommandSkin skin, bool invertFace) {
    if (skins_ == nullptr || !DrawSkinImage(image_, skins_->PictureDc(skin), invertFace)) {
        return false;
    }
    Refresh();
    return true;
}

void CommandWindow::AppearanceChanged() {
    if (window_ == nullptr) {
        return;
    }
    if (command_.Caption() != windowText_) {
        windowText_ = command_.Caption();
        SetWindowTextW(window_, Utf8ToWide(windowText_).c_str());
    }
    Refresh();
}

void CommandWindow::StartTmrMouse(unsigned intervalMs) {
    if (window_ != nullptr) {
        SetTimer(window_, kTmrMouse, intervalMs, nullptr);
    }
}

void CommandWindow::Click() {
    if (window_ != nullptr && notify_ != nullptr) {
        SendMessageW(notify_, WM_COMMAND, MAKEWPARAM(id_, BN_CLICKED),
                     reinterpret_cast<LPARAM>(window_));
    }
}

void CommandWindow::PropertyChanged(std::string_view) {
    // The stored descriptions of the saver's forms are written in code; nothing at run time
    // saves them again, so a changed property needs no note.
}

LRESULT CommandWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = window_;
    switch (message) {
        case WM_SIZE:
            OnSize(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_SETFOCUS:
            command_.OnGotFocus();
            return 0;
        case WM_KILLFOCUS:
            command_.OnLostFocus();
            return 0;
        case WM_LBUTTONDOWN:
            OnButtonDown(MouseButton::Left);
            return 0;
        case WM_RBUTTONDOWN:
            OnButtonDown(MouseButton::Right);
            return 0;
        case WM_MBUTTONDOWN:
            OnButtonDown(MouseButton::Middle);
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(lParam);
            return 0;
        case WM_LBUTTONUP:
            OnButtonUp(MouseButton::Left, wParam);
            return 0;
        case WM_RBUTTONUP:
            OnButtonUp(MouseButton::Right, wParam);
            return 0;
        case WM_MBUTTONUP:
            OnButtonUp(MouseButton::Middle, wParam);
            return 0;
        case WM_TIMER:
            if (wParam == kTmrMouse) {
                TrackPointer();
                return 0;
            }
            break;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers everything it shows
        case WM_PAINT: {
            PAINTSTRUCT paint;
            if (const HDC dc = BeginPaint(window, &paint); dc != nullptr) {
                Paint(dc);
                EndPaint(window, &paint);
            }
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_NCDESTROY:
            KillTimer(window, kTmrMouse);
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            window_ = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void CommandWindow::OnSize(int width, int height) {
    if (width != image_.Width() || height != image_.Height()) {
        image_.Resize(width, height);
    }
    if (isSited_) {
        command_.OnResize();
    }
}

void CommandWindow::OnButtonDown(MouseButton button) {
    // As a form's control: the mouse stays with the button until released, so a release
    // outside still reaches it.
    SetCapture(window_);
    // A left press focuses the button, as on a push button; a disabled one takes no focus.
    if (button == MouseButton::Left && command_.EnabledFlag() != 0 && GetFocus() != window_) {
        SetFocus(window_);
    }
    command_.OnMouseDown(button);
}

void CommandWindow::OnButtonUp(MouseButton button, WPARAM buttonsStillDown) {
    if ((buttonsStillDown & kAnyButton) == 0 && GetCapture() == window_) {
        ReleaseCapture();
    }
    command_.OnMouseUp(button);  // may click, and the click may destroy the window
}

void CommandWindow::OnMouseMove(LPARAM position) {
    // While the mouse is held, moves reach the button from anywhere; only those over it count.
    RECT client = {};
    GetClientRect(window_, &client);
    const POINT point = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    if (PtInRect(&client, point) != FALSE) {
        command_.OnMouseMove();
    }
}

void CommandWindow::TrackPointer() {
    POINT pointer = {};
    if (GetCursorPos(&pointer) == FALSE) {
        return;  // no pointer position this tick; the next one tries again
    }
    const HWND under = WindowFromPoint(pointer);
    command_.OnTmrMouse(PointerHasLeft(under, window_, GetAncestor(window_, GA_ROOT)));
}

void CommandWindow::Paint(HDC dc) {
    RECT client = {};
    GetClientRect(window_, &client);
    // A transparent background leaves what the container painted below the button.
    if (command_.IsOpaque() && !image_.IsEmpty()) {
        BitBlt(dc, 0, 0, image_.Width(), image_.Height(), image_.Dc(), 0, 0, SRCCOPY);
    }
    if (font_.get() == nullptr || fontShown_ != command_.Font()) {
        font_ = GdiObject<HFONT>(CreateCaptionFont(command_.Font()));
        fontShown_ = command_.Font();
    }
    const CaptionStyle style = {font_.get(), CaptionColourRef(command_.LabelColour()),
                                command_.LabelEnabled()};
    DrawCaption(dc, {client.right, client.bottom}, Utf8ToWide(command_.Caption()), style,
                TwipsPerPixelY());
}

void CommandWindow::Refresh() {
    if (window_ == nullptr) {
        return;
    }
    if (command_.IsOpaque()) {
        InvalidateRect(window_, nullptr, FALSE);
        return;
    }
    // Transparent: the container repaints the button's place first, then the button its
    // caption over that.
    RECT place = {};
    GetWindowRect(window_, &place);
    const HWND parent = GetParent(window_);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    RedrawWindow(parent, &place, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CommandWindow::Destroy() {
    if (window_ == nullptr) {
        return;
    }
    const HWND window = window_;
    KillTimer(window, kTmrMouse);
    // The window procedure must not reach a control that is going away.
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    window_ = nullptr;
    DestroyWindow(window);
}
