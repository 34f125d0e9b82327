#include "tests/e2e/saver_e2e_support.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

#include "scene/bitmap/bitmap_decoder.h"

namespace e2e {

namespace {

constexpr const char* kShippedFiles[] = {"Soravane.scr", "Soravane.dll", "Soravane.data"};

std::string newFolderPath() {
    std::random_device seed;
    return (std::filesystem::temp_directory_path() /
            ("soravane-saver-" + std::to_string(seed()) + std::to_string(seed())))
        .string();
}

void clearAttributesIn(const std::filesystem::path& folder) {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
        SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

}  // namespace

SaverFolder::SaverFolder() : folder_(newFolderPath()) {
    complete_ = CreateDirectoryA(folder_.c_str(), nullptr) != FALSE;
    for (const char* name : kShippedFiles) {
        complete_ = CopyFileA(shippedFile(name).c_str(), file(name).c_str(), FALSE) && complete_;
    }
}

SaverFolder::~SaverFolder() {
    clearAttributesIn(folder_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

void SaverFolder::remove(const std::string& name) const {
    DeleteFileA(file(name).c_str());
}

Process SaverFolder::startSaver(const std::string& arguments) const {
    return Process('"' + file("Soravane.scr") + "\" " + arguments);
}

void removeWorkFolder() {
    clearAttributesIn("C:\\qorvin");
    std::error_code ignored;
    std::filesystem::remove_all("C:\\qorvin", ignored);
}

bool fileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::optional<int> cursorDisplayCount(HWND window) {
    const SharedInput shared(window);
    if (!shared.attached()) {
        return std::nullopt;
    }
    return shared.cursorDisplayCount();
}

SharedInput::SharedInput(HWND window) {
    otherThread_ = window != nullptr ? GetWindowThreadProcessId(window, nullptr) : 0;
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // this thread needs a message queue
    attached_ =
        otherThread_ != 0 && AttachThreadInput(GetCurrentThreadId(), otherThread_, TRUE) != FALSE;
}

SharedInput::~SharedInput() {
    if (attached_) {
        AttachThreadInput(GetCurrentThreadId(), otherThread_, FALSE);
    }
}

int SharedInput::cursorDisplayCount() const {
    // Showing returns the new count; hiding again leaves the count as it was.
    const int count = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    return count;
}

HWND waitForMessageBox(const wchar_t* caption, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND box = FindWindowW(L"#32770", caption)) {
            return box;
        }
        if (GetTickCount() - start >= timeoutMs) {
            return nullptr;
        }
        Sleep(50);
    }
}

std::string messageBoxText(HWND box) {
    // The text is the box's one static control with text (the icon's has none).
    std::wstring text;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM found) -> BOOL {
            wchar_t className[32] = {};
            GetClassNameW(child, className, 32);
            if (lstrcmpiW(className, L"Static") != 0 || GetWindowTextLengthW(child) == 0) {
                return TRUE;
            }
            std::wstring& result = *reinterpret_cast<std::wstring*>(found);
            result.resize(static_cast<std::size_t>(GetWindowTextLengthW(child)) + 1);
            result.resize(static_cast<std::size_t>(
                GetWindowTextW(child, result.data(), static_cast<int>(result.size()))));
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&text));
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                          nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), bytes,
                        nullptr, nullptr);
    return utf8;
}

HANDLE openProcessOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId != 0 ? OpenProcess(SYNCHRONIZE, FALSE, processId) : nullptr;
}

std::optional<RgbImage> readBitmap(const std::string& path) {
    const std::string bytes = readFile(path);
    const std::vector<std::uint8_t> file(bytes.begin(), bytes.end());
    BitmapDecodeResult decoded = decodeBitmap(file);
    if (decoded.error != BitmapError::None) {
        return std::nullopt;
    }
    return std::move(*decoded.image);
}

DWORD pixelAt(const RgbImage& image, int x, int y) {
    const std::size_t at = (static_cast<std::size_t>(image.height - 1 - y) * image.width + x) * 3;
    return static_cast<DWORD>(image.pixels[at]) << 16 |
           static_cast<DWORD>(image.pixels[at + 1]) << 8 | image.pixels[at + 2];
}

}  // namespace e2e
