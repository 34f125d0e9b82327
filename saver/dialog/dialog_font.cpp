#include "saver/dialog/dialog_font.h"

#include <cmath>
#include <string>

#include "saver/runtime/win32_handles.h"

namespace {

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

}  // namespace

bool FaceInstalled(const wchar_t* face) {
    const WindowDc screen(nullptr);
    if (screen.get() == nullptr) {
        return false;
    }
    LOGFONTW wanted = {};
    wanted.lfCharSet = SHIFTJIS_CHARSET;
    wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(screen.get(), &wanted, &NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

HFONT CreateDialogFont(int dpi, bool underline, const wchar_t* face) {
    // Negative: the character height, without the internal leading, in pixels.
    const int height = -static_cast<int>(std::lround(kDialogFontPoints * dpi / 72.0));
    for (const wchar_t* candidate : kDialogFaces) {
        if (face == nullptr && FaceInstalled(candidate)) {
            face = candidate;
        }
    }
    // Should none be found, the character set and the pitch still steer the font mapper to a
    // proportional Japanese face.
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, underline ? TRUE : FALSE, FALSE,
                       SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       VARIABLE_PITCH | FF_SWISS, face != nullptr ? face : kDialogFontFace);
}
