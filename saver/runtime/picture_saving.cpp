#include "saver/runtime/picture_saving.h"

#include <cstring>
#include <string>

#include "saver/runtime/files.h"
#include "saver/runtime/win32_handles.h"
#include "saver/runtime/win32_text.h"

namespace {

bool WriteAll(HANDLE file, const void* data, std::size_t size) {
    DWORD written = 0;
    return WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr) != FALSE &&
           written == size;
}

bool WriteBmp(const std::wstring& path, const PictureSurface& picture) {
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    const std::span<const std::uint8_t> rows = picture.Rows();

    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = picture.Width();
    info.biHeight = picture.Height();
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(rows.size());

    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + static_cast<DWORD>(rows.size());

    // Two writes, the headers together and then the rows: each write is a system call.
    std::uint8_t headers[sizeof header + sizeof info];
    std::memcpy(headers, &header, sizeof header);
    std::memcpy(headers + sizeof header, &info, sizeof info);
    return WriteAll(file.get(), headers, sizeof headers) &&
           WriteAll(file.get(), rows.data(), rows.size());
}

}  // namespace

bool SavePicture(const PictureSurface& picture, std::string_view path) {
    if (picture.IsEmpty() || path.empty() || IsReadOnlyFile(path)) {
        return false;
    }
    const std::string partial = std::string(path) + ".partial";
    if (WriteBmp(Utf8ToWide(partial), picture) && SwapInFile(partial, path)) {
        return true;
    }
    RemoveFile(partial);
    return false;
}
