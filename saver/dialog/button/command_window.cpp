#include "saver/dialog/button/command_window.h"

#include <windowsx.h>

#include "saver/dialog/button/command_painting.h"
#include "saver/runtime/screen.h"
#include "saver/runtime/win32_text.h"

namespace {

constexpr wchar_t kCommandClassName[] = L"SoravaneCommand";

constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

}  // namespace

CommandWindow::CommandWindow() : command_(*this) {}

bool CommandWindow::Create(HWND parent, const CommandPlacement& placement, std::string caption,
                           const CommandSkinSet& skins) {
    id_ = placement.id;
    notify_ = placement.notify != nullptr ? placement.notify : parent;
    skins_ = &skins;
    // The first WM_SIZE only sizes the image.
    if (!CreateOwnedWindow({.className = kCommandClassName,
                            .style = WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                            .place = placement.place,
                            .parent = parent,
                            .id = placement.id},
                           Utf8ToWide(caption))) {
        return false;
    }
    font_ = GdiObject<HFONT>(CreateCaptionFont());
    // As a form sites its controls: the caption first, then the size, which shows the look.
    command_.SetCaption(std::move(caption));
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
    if (Window() == nullptr) {
        return;
    }
    // The caption is the window's text too, so that other programs find the button by it.
    SetWindowTextW(Window(), Utf8ToWide(command_.Caption()).c_str());
    Refresh();
}

void CommandWindow::StartTmrMouse(unsigned intervalMs) {
    if (Window() != nullptr) {
        SetTimer(Window(), kTmrMouse, intervalMs, nullptr);
    }
}

void CommandWindow::Click() {
    if (Window() != nullptr && notify_ != nullptr) {
        SendMessageW(notify_, WM_COMMAND, MAKEWPARAM(id_, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Window()));
    }
}

LRESULT CommandWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = Window();
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
            OnButtonUp(MouseButton::Left, wParam, lParam);
            return 0;
        case WM_RBUTTONUP:
            OnButtonUp(MouseButton::Right, wParam, lParam);
            return 0;
        case WM_MBUTTONUP:
            OnButtonUp(MouseButton::Middle, wParam, lParam);
            return 0;
        case WM_CAPTURECHANGED:
            if (!releasingCapture_) {
                command_.OnPressLost();
            }
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
        default:
            break;
    }
    return OwnedWindow::HandleMessage(message, wParam, lParam);
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
    SetCapture(Window());
    // A left press focuses the button, as on a push button; a disabled one takes no focus.
    if (button == MouseButton::Left && command_.IsEnabled() && GetFocus() != Window()) {
        SetFocus(Window());
    }
    command_.OnMouseDown(button);
}

void CommandWindow::OnButtonUp(MouseButton button, WPARAM buttonsStillDown, LPARAM position) {
    if ((buttonsStillDown & kAnyButton) == 0 && GetCapture() == Window()) {
        // Our own release ends no press: the button-up below does.
        releasingCapture_ = true;
        ReleaseCapture();
        releasingCapture_ = false;
    }
    // May click, and the click may destroy the window.
    command_.OnMouseUp(button, IsOverClient(position));
}

void CommandWindow::OnMouseMove(LPARAM position) {
    // While the mouse is held, moves reach the button from anywhere; only those over it count.
    if (IsOverClient(position)) {
        command_.OnMouseMove();
    }
}

bool CommandWindow::IsOverClient(LPARAM position) const {
    RECT client = {};
    GetClientRect(Window(), &client);
    const POINT point = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    return PtInRect(&client, point) != FALSE;
}

void CommandWindow::TrackPointer() {
    POINT pointer = {};
    if (GetCursorPos(&pointer) == FALSE) {
        return;  // no pointer position this tick; the next one tries again
    }
    const HWND under = WindowFromPoint(pointer);
    command_.OnTmrMouse(PointerHasLeft(under, Window(), GetAncestor(Window(), GA_ROOT)));
}

void CommandWindow::Paint(HDC dc) {
    RECT client = {};
    GetClientRect(Window(), &client);
    if (!image_.IsEmpty()) {
        BitBlt(dc, 0, 0, image_.Width(), image_.Height(), image_.Dc(), 0, 0, SRCCOPY);
    }
    DrawCaption(dc, {client.right, client.bottom}, Utf8ToWide(command_.Caption()), font_.get(),
                command_.LabelEnabled(), TwipsPerPixelY());
}

void CommandWindow::Refresh() {
    if (Window() != nullptr) {
        InvalidateRect(Window(), nullptr, FALSE);
    }
}
