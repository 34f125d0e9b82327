#include "saver/dialog/file_chooser.h"

#include <commdlg.h>

#include <vector>

#include "saver/runtime/win32_text.h"

namespace {

// One pair, description and pattern, NUL-separated and double-NUL-terminated; the array's own
// NUL is the second.
constexpr wchar_t kFilter[] = L"BGMﾌｧｲﾙ (MP3 WAV)\0*.MP3;*.WAV\0";
constexpr wchar_t kTitle[] = L"ﾌｧｲﾙを開く";
// Long enough for any path the wide functions accept.
constexpr DWORD kPathCharacters = 32768;
constexpr DWORD kTitleCharacters = 256;

}  // namespace

std::optional<std::string> ChooseBgmFile(HWND owner, const std::string& initialFolder) {
    std::vector<wchar_t> path(kPathCharacters, L'\0');
    std::vector<wchar_t> fileTitle(kTitleCharacters, L'\0');
    const std::wstring folder = Utf8ToWide(initialFolder);

    OPENFILENAMEW chooser = {};
    chooser.lStructSize = sizeof chooser;
    chooser.hwndOwner = owner;
    chooser.hInstance = GetModuleHandleW(nullptr);
    chooser.lpstrFilter = kFilter;
    chooser.lpstrFile = path.data();
    chooser.nMaxFile = kPathCharacters;
    chooser.lpstrFileTitle = fileTitle.data();
    chooser.nMaxFileTitle = kTitleCharacters;
    chooser.lpstrInitialDir = folder.c_str();
    chooser.lpstrTitle = kTitle;
    if (GetOpenFileNameW(&chooser) == FALSE) {
        return std::nullopt;
    }
    return WideToUtf8(path.data());
}
