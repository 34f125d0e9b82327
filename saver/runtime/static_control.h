#pragma once
// The forms' labels, images and picture boxes as one child window class, "SoravaneStatic". Each
// draws the part of its parent's persistent image that lies under it (so labels look transparent
// over the gradient and the metal panel), then its picture, then its caption. Mouse buttons reach
// the notify window as WM_COMMAND with the control's id: kMouseDown for any button going down,
// and, when it clicks, kClick for a left press begun on it and released over it. WM_GETFONT answers
// the caption's font.
#include <windows.h>

#include <string>

#include "saver/runtime/geometry.h"
#include "saver/runtime/owned_window.h"
#include "saver/runtime/picture_surface.h"

struct StaticLook {
    std::string caption;   // UTF-8
    HFONT font = nullptr;  // kept by the caller
    COLORREF colour = RGB(0, 0, 0);
    UINT format = DT_LEFT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX;
    const PictureSurface* picture = nullptr;   // kept by the caller
    bool stretchPicture = false;               // to the control's size, else natural size
    const PictureSurface* backdrop = nullptr;  // the parent's persistent image
    HCURSOR cursor = nullptr;                  // the class's arrow when null
    HWND notify = nullptr;                     // no mouse events when null
    bool clicks = false;                       // sends kClick; a left press captures the mouse
};

// A caption over the parent's image; `format` is DrawText's.
StaticLook LabelLook(std::string caption, HFONT font, COLORREF colour, UINT format,
                     const PictureSurface* backdrop);
// A picture over the parent's image, at its natural size or stretched to the control.
StaticLook PictureLook(const PictureSurface* picture, bool stretch, const PictureSurface* backdrop);

class StaticControl : public OwnedWindow {
public:
    static constexpr WORD kMouseDown = 0x7F01;
    static constexpr WORD kClick = 0x7F02;

    StaticControl() = default;

    // `rect` in the parent's client area, in pixels; `extraStyle` adds to WS_CHILD |
    // WS_VISIBLE (WS_CLIPCHILDREN for a picture box holding controls).
    bool Create(HWND parent, int id, const PixelRect& rect, StaticLook look, DWORD extraStyle = 0);

    void SetCaption(std::string caption);
    const std::string& Caption() const { return look_.caption; }
    void SetPicture(const PictureSurface* picture);
    void Refresh() const;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc) const;
    void Notify(WORD code) const;

    int id_ = 0;
    PixelRect rect_;
    StaticLook look_;
    bool leftDown_ = false;
};
