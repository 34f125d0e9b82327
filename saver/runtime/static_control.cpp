#include "saver/runtime/static_control.h"

#include <windowsx.h>

#include <utility>

#include "saver/runtime/win32_text.h"

namespace {

constexpr wchar_t kStaticClassName[] = L"SoravaneStatic";

}  // namespace

StaticLook LabelLook(std::string caption, HFONT font, COLORREF colour, UINT format,
                     const PictureSurface* backdrop) {
    StaticLook look;
    look.caption = std::move(caption);
    look.font = font;
    look.colour = colour;
    look.format = format;
    look.backdrop = backdrop;
    return look;
}

StaticLook PictureLook(const PictureSurface* picture, bool stretch,
                       const PictureSurface* backdrop) {
    StaticLook look;
    look.picture = picture;
    look.stretchPicture = stretch;
    look.backdrop = backdrop;
    return look;
}

bool StaticControl::Create(HWND parent, int id, const PixelRect& rect, StaticLook look,
                           DWORD extraStyle) {
    id_ = id;
    rect_ = rect;
    look_ = std::move(look);
    // The caption is the window's text as well, so other programs find the label by it.
    return CreateOwnedWindow({.className = kStaticClassName,
                              .style = WS_CHILD | WS_VISIBLE | extraStyle,
                              .place = rect,
                              .parent = parent,
                              .id = id},
                             Utf8ToWide(look_.caption));
}

void StaticControl::SetCaption(std::string caption) {
    look_.caption = std::move(caption);
    if (Window() != nullptr) {
        SetWindowTextW(Window(), Utf8ToWide(look_.caption).c_str());
        Refresh();
    }
}

void StaticControl::SetPicture(const PictureSurface* picture) {
    look_.picture = picture;
    Refresh();
}

void StaticControl::Refresh() const {
    if (Window() != nullptr) {
        InvalidateRect(Window(), nullptr, FALSE);
    }
}

LRESULT StaticControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers every pixel
        case WM_PAINT: {
            PAINTSTRUCT paint;
            if (HDC dc = BeginPaint(Window(), &paint)) {
                Paint(dc);
                EndPaint(Window(), &paint);
            }
            return 0;
        }
        case WM_LBUTTONDOWN:
            if (look_.clicks && look_.notify != nullptr) {
                // The release comes back here wherever it lands, so only a release over the
                // control that ends a press begun on it clicks.
                SetCapture(Window());
                leftDown_ = true;
            }
            Notify(kMouseDown);
            return 0;
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            Notify(kMouseDown);
            return 0;
        case WM_LBUTTONUP: {
            const bool pressEnds = std::exchange(leftDown_, false);
            if (GetCapture() == Window()) {
                ReleaseCapture();
            }
            RECT client = {};
            GetClientRect(Window(), &client);
            const POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (pressEnds && PtInRect(&client, at) != FALSE) {
                Notify(kClick);
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            leftDown_ = false;  // the mouse was taken away: the press ends without a click
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(look_.font);
        case WM_SETCURSOR:
            if (look_.cursor != nullptr && LOWORD(lParam) == HTCLIENT) {
                SetCursor(look_.cursor);
                return TRUE;
            }
            break;
        case WM_COMMAND:
            // Controls inside a picture box report to the form, as if they sat on it.
            return SendMessageW(GetParent(Window()), message, wParam, lParam);
        default:
            break;
    }
    return OwnedWindow::HandleMessage(message, wParam, lParam);
}

void StaticControl::Notify(WORD code) const {
    if (look_.notify != nullptr) {
        SendMessageW(look_.notify, WM_COMMAND, MAKEWPARAM(id_, code),
                     reinterpret_cast<LPARAM>(Window()));
    }
}

void StaticControl::Paint(HDC dc) const {
    RECT client = {};
    GetClientRect(Window(), &client);
    const int width = client.right;
    const int height = client.bottom;
    if (look_.backdrop != nullptr && !look_.backdrop->IsEmpty()) {
        BitBlt(dc, 0, 0, width, height, look_.backdrop->Dc(), rect_.x, rect_.y, SRCCOPY);
    } else {
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    if (look_.picture != nullptr && !look_.picture->IsEmpty()) {
        if (look_.stretchPicture) {
            SetStretchBltMode(dc, HALFTONE);
            SetBrushOrgEx(dc, 0, 0, nullptr);
            StretchBlt(dc, 0, 0, width, height, look_.picture->Dc(), 0, 0, look_.picture->Width(),
                       look_.picture->Height(), SRCCOPY);
        } else {
            BitBlt(dc, 0, 0, look_.picture->Width(), look_.picture->Height(), look_.picture->Dc(),
                   0, 0, SRCCOPY);
        }
    }
    if (!look_.caption.empty()) {
        const std::wstring text = Utf8ToWide(look_.caption);
        const HGDIOBJ oldFont = look_.font != nullptr ? SelectObject(dc, look_.font) : nullptr;
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, look_.colour);
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, look_.format);
        if (oldFont != nullptr) {
            SelectObject(dc, oldFont);
        }
    }
}
