#pragma once
// Files and views for the model's render tests: models and bitmaps written to a private
// temporary folder, and a view in which the test models' unit square fills the window.
#include <GL/gl.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/unit/model_test_files.h"

// A folder of its own for each test, removed with it.
class ScratchFolder {
public:
    ScratchFolder() { std::filesystem::create_directories(path_); }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string file(const std::string& name) const { return (path_ / name).string(); }

    std::string write(const std::string& name, const std::vector<uint8_t>& bytes) const {
        std::ofstream(file(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return file(name);
    }

private:
    static inline int serial_ = 0;
    std::filesystem::path path_ =
        std::filesystem::temp_directory_path() /
        ("soravane_model_" + std::to_string(::getpid()) + "_" + std::to_string(++serial_));
};

struct Rgb8 {
    uint8_t red, green, blue;
};

// A 24-bit Windows bitmap file two pixels wide, each row of one colour, `rows` top first.
inline std::vector<uint8_t> twoColumnBitmap(const std::vector<Rgb8>& rows) {
    const uint32_t height = static_cast<uint32_t>(rows.size());
    std::vector<uint8_t> bytes(54);
    const auto put = [&](size_t offset, uint32_t value) {
        putLittleEndian(bytes, offset, value, 4);
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, 54 + 8 * height);  // file size
    put(10, 54);              // where the pixels start
    put(14, 40);              // info header size
    put(18, 2);               // width
    put(22, height);          // height, bottom row first
    put(26, 1 | 24 << 16);    // one plane, 24 bits per pixel, no compression
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {  // stored bottom row first
        bytes.insert(bytes.end(), {row->blue, row->green, row->red, row->blue, row->green, row->red,
                                   0, 0});  // two pixels, padded to 8 bytes
    }
    return bytes;
}

// An orthographic view of the square from (0, 0) to (1, 1) in the z = 0 plane, filling the
// window; cleared to black.
inline void viewUnitSquare() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1, 0, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}
