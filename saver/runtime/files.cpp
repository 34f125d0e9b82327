#include "saver/runtime/files.h"

#include <windows.h>

#include <string>

#include "saver/runtime/win32_handles.h"
#include "saver/runtime/win32_text.h"

bool CreateFolder(std::string_view path) {
    return CreateDirectoryW(Utf8ToWide(path).c_str(), nullptr) != FALSE;
}

bool IsReadOnlyFile(std::string_view path) {
    const DWORD attributes = GetFileAttributesW(Utf8ToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
           (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool CopyFileOver(std::string_view from, std::string_view to) {
    if (IsReadOnlyFile(to)) {
        return false;
    }
    return CopyFileW(Utf8ToWide(from).c_str(), Utf8ToWide(to).c_str(), FALSE) != FALSE;
}

bool MoveFileOver(std::string_view replacement, std::string_view target) {
    return !IsReadOnlyFile(target) &&
           MoveFileExW(Utf8ToWide(replacement).c_str(), Utf8ToWide(target).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

namespace {

bool IsPlainFile(std::string_view path) {
    const DWORD attributes = GetFileAttributesW(Utf8ToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string SwappedOutPath(std::string_view target) {
    return std::string(target) + ".old";
}

}  // namespace

bool SwapInFile(std::string_view replacement, std::string_view target) {
    if (IsReadOnlyFile(target)) {
        return false;
    }
    const std::string aside = SwappedOutPath(target);
    const bool movedAside = IsPlainFile(target) && MoveFileOver(target, aside);
    if (MoveFileOver(replacement, target)) {
        return true;
    }
    if (movedAside) {
        MoveFileOver(aside, target);
    }
    return false;
}

bool SwapInCopy(std::string_view from, std::string_view to) {
    const std::string partial = std::string(to) + ".partial";
    if (CopyFileOver(from, partial) && SwapInFile(partial, to)) {
        return true;
    }
    RemoveFile(partial);
    return false;
}

void RemoveSwappedOutFile(std::string_view target) {
    RemoveFile(SwappedOutPath(target));
}

bool RemoveFile(std::string_view path) {
    return DeleteFileW(Utf8ToWide(path).c_str()) != FALSE;
}

bool OpensFileForReading(std::string_view path) {
    if (path.empty()) {
        return false;
    }
    // Without FILE_FLAG_BACKUP_SEMANTICS a folder does not open; the attribute test below
    // makes sure of it on every system.
    UniqueHandle file(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION information = {};
    return GetFileInformationByHandle(file.get(), &information) != FALSE &&
           (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::string> AnsiPath(std::string_view path) {
    if (std::optional<std::string> exact = ExactAnsi(path)) {
        return exact;
    }
    const std::wstring wide = Utf8ToWide(path);
    if (const DWORD size = GetShortPathNameW(wide.c_str(), nullptr, 0); size > 0) {
        std::wstring shortPath(size, L'\0');
        shortPath.resize(GetShortPathNameW(wide.c_str(), shortPath.data(), size));
        return ExactAnsi(WideToUtf8(shortPath));
    }
    const std::size_t lastBackslash = path.find_last_of('\\');
    if (lastBackslash == std::string_view::npos || lastBackslash == 0) {
        return std::nullopt;
    }
    std::optional<std::string> folder = AnsiPath(path.substr(0, lastBackslash));
    const std::optional<std::string> name = ExactAnsi(path.substr(lastBackslash));
    if (!folder || !name) {
        return std::nullopt;
    }
    return *folder + *name;
}

std::string ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);  // cut short: a long path, try a larger buffer
    }
    const std::size_t lastBackslash = path.find_last_of(L'\\');
    path.resize(lastBackslash == std::wstring::npos ? 0 : lastBackslash);
    return WideToUtf8(path);
}
