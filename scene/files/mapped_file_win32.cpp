#include "scene/files/mapped_file.h"

#include <windows.h>

MappedFile::MappedFile(const char* path) {
    const HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    LARGE_INTEGER size = {};
    if (GetFileSizeEx(file, &size) && size.QuadPart > 0 &&
        static_cast<unsigned long long>(size.QuadPart) <= SIZE_MAX) {
        // The view keeps the mapping, and the mapping the file, open until it is unmapped.
        if (const HANDLE mapping =
                CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr)) {
            if (const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0)) {
                bytes_ = {static_cast<const uint8_t*>(view), static_cast<size_t>(size.QuadPart)};
            }
            CloseHandle(mapping);
        }
    }
    CloseHandle(file);
}

MappedFile::~MappedFile() {
    if (!bytes_.empty()) {
        UnmapViewOfFile(bytes_.data());
    }
}
