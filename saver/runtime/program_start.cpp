#include "saver/runtime/program_start.h"

#include <string>

#include "saver/runtime/win32_text.h"

UniqueHandle StartProgram(std::string_view path, int showWindow) {
    if (path.empty()) {
        return {};
    }
    // Quoted, so that a folder with blanks in its name is not taken for arguments. The
    // program is found by this path alone, whatever its file name ends with.
    std::wstring commandLine = L"\"" + Utf8ToWide(path) + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showWindow);
    PROCESS_INFORMATION started = {};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        return {};
    }
    CloseHandle(started.hThread);
    return UniqueHandle(started.hProcess);
}
