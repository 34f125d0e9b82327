#include "saver/dialog/dialog_font.h"

#include <cmath>
#include <string>

#include "saver/runtime/win32_handles.h"

namespace {

// Tried in this order; the first that the system has is used.
constexpr const wchar_t* kFaces[] = {kDialogFontFace, L"MS PGothic", L"MS UI Gothic",
                                     L"Meiryo UI",    L"IPAPGothic", L"IPAGothic"};

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

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

}  // namespace

HFONT CreateDialogFont(int dpi, bool underline) {
    // Negative: the character height, without the internal leading, in pixels.
    const int height = -static_cast<int>(std::lround(kDialogFontPoints * dpi / 72.0));
    const wchar_t* face = kDialogFontFace;
    for (const wchar_t* candidate : kFaces) {
        if (FaceInstalled(candidate)) {
            face = candidate;
            break;
        }
    }
    // Should none be found, the character set still steers the font mapper to Japanese.
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, underline ? TRUE : FALSE, FALSE,
                       SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face);
}
