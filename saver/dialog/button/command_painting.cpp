#include "saver/dialog/button/command_painting.h"

#include <cmath>
#include <string>

#include "saver/dialog/button/command_geometry.h"
#include "saver/runtime/win32_handles.h"

namespace {

TRIVERTEX Vertex(LONG x, LONG y, const FaceColour& colour) {
    TRIVERTEX vertex = {};
    vertex.x = x;
    vertex.y = y;
    vertex.Red = colour.red;
    vertex.Green = colour.green;
    vertex.Blue = colour.blue;
    vertex.Alpha = colour.alpha;
    return vertex;
}

// DrawFaceGradient: from (0, 0) to (width - 1, height - 1) in pixels. GradientFill leaves the
// rectangle's last column and row out; the skin ring covers them.
void DrawFaceGradient(HDC dc, int width, int height, bool invertFace) {
    const FaceGradient colours = FaceGradientColours(invertFace);
    TRIVERTEX vertices[2] = {Vertex(0, 0, colours.top),
                             Vertex(width - 1, height - 1, colours.bottom)};
    GRADIENT_RECT rectangle = {0, 1};
    GradientFill(dc, vertices, 2, &rectangle, 1, GRADIENT_FILL_RECT_V);
}

int LineHeight(HDC dc) {
    TEXTMETRICW metrics = {};
    return GetTextMetricsW(dc, &metrics) != FALSE ? metrics.tmHeight : 0;
}

void DrawCaptionText(HDC dc, std::wstring_view caption, RECT box, COLORREF colour) {
    SetTextColor(dc, colour);
    DrawTextW(dc, caption.data(), static_cast<int>(caption.size()), &box,
              DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

bool DrawSkinImage(PictureSurface& image, HDC skinPicture, bool invertFace) {
    if (image.IsEmpty() || skinPicture == nullptr) {
        return false;
    }
    const HDC dc = image.Dc();
    const RECT whole = {0, 0, image.Width(), image.Height()};
    FillRect(dc, &whole, GetSysColorBrush(COLOR_BTNFACE));
    DrawFaceGradient(dc, image.Width(), image.Height(), invertFace);

    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    for (const SkinPiece& piece : SkinPieces(image.Width(), image.Height())) {
        if (piece.destination.IsEmpty() || piece.source.IsEmpty()) {
            continue;
        }
        StretchBlt(dc, piece.destination.x, piece.destination.y, piece.destination.width,
                   piece.destination.height, skinPicture, piece.source.x, piece.source.y,
                   piece.source.width, piece.source.height, SRCCOPY);
    }
    SetStretchBltMode(dc, oldMode);
    return true;
}

void DrawCaption(HDC dc, SIZE control, std::wstring_view caption, HFONT font, bool enabled,
                 double twipsPerPixel) {
    const HGDIOBJ oldFont = font != nullptr ? SelectObject(dc, font) : nullptr;
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = GetTextColor(dc);

    const int labelHeight = LineHeight(dc);
    const int top = CaptionTop(control.cy, labelHeight, twipsPerPixel);
    const RECT box = {0, top, control.cx, top + labelHeight};
    if (enabled) {
        DrawCaptionText(dc, caption, box, RGB(0, 0, 0));
    } else {
        const RECT light = {box.left + 1, box.top + 1, box.right + 1, box.bottom + 1};
        DrawCaptionText(dc, caption, light, GetSysColor(COLOR_3DHILIGHT));
        DrawCaptionText(dc, caption, box, GetSysColor(COLOR_GRAYTEXT));
    }

    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    if (oldFont != nullptr) {
        SelectObject(dc, oldFont);
    }
}

HFONT CreateCaptionFont() {
    constexpr double kPoints = 9.75;
    int dotsPerInch = 96;
    if (const WindowDc screen(nullptr); screen.get() != nullptr) {
        dotsPerInch = GetDeviceCaps(screen.get(), LOGPIXELSY);
    }
    // A negative height asks for the character height, which is what a point size measures.
    const int height = -static_cast<int>(std::lround(kPoints * dotsPerInch / 72.0));
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, L"ＭＳ Ｐゴシック");
}
