// The saver's files on Windows: what counts as an existing file, copying over an older copy,
// the work folder, pictures saved as BMP files, and the settings file with its Japanese keys.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

#include "saver/runtime/files.h"
#include "saver/runtime/picture_saving.h"
#include "saver/runtime/picture_surface.h"
#include "saver/settings/path_routines.h"
#include "saver/settings/settings_file.h"
#include "saver/settings/win32_file_port.h"
#include "scene/bitmap/bitmap_decoder.h"
#include "tests/support/temp_folder.h"
#include "tests/support/whole_files.h"

namespace {

const std::string kModeKey = "BGM\x8B\xE6\x95\xAA";
const std::string kRepeatKey = "BGM\xD8\xCB\xDF\xB0\xC4";
const std::string kFileKey = "BGM\xCC\xA7\xB2\xD9";

std::uint32_t Field(const std::string& bytes, std::size_t offset, std::size_t size) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, size);
    return value;
}

TEST(FilesWin32, FileExistsForReadableFilesOnly) {
    TempFolder temp;
    const std::string file = temp.file("Soravane.dll");
    writeWholeFile(file, "MZ");
    const std::string folder = temp.file("Music");
    ASSERT_TRUE(CreateFolder(folder));
    EXPECT_FALSE(CreateFolder(folder));  // there already
    Win32FilePort port;

    EXPECT_TRUE(FileExists(port, file));
    EXPECT_FALSE(FileExists(port, folder));
    EXPECT_FALSE(FileExists(port, temp.file("Soravane.data")));
    EXPECT_FALSE(FileExists(port, ""));
    EXPECT_FALSE(FileExists(port, temp.file("bad|name?.dll")));
    // Another program writing the file does not hide it.
    HANDLE writer = CreateFileA(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(FileExists(port, file));
    CloseHandle(writer);
}

TEST(FilesWin32, CopyReplacesOrSwapsInAnOlderCopyButLeavesAReadOnlyOneAlone) {
    TempFolder temp;
    const std::string model = temp.file("Soravane.data");
    const std::string copy = temp.file("Skymere.data");
    writeWholeFile(model, std::string("MS3D000000\x04\0\0\0", 14));
    writeWholeFile(copy, "an older, longer model file");
    EXPECT_TRUE(CopyFileOver(model, copy));
    EXPECT_EQ(readWholeFile(copy), readWholeFile(model));

    writeWholeFile(copy, "kept");
    SetFileAttributesA(copy.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(CopyFileOver(model, copy));
    EXPECT_EQ(readWholeFile(copy), "kept");
    SetFileAttributesA(copy.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_FALSE(CopyFileOver(temp.file("missing.data"), copy));
    EXPECT_EQ(readWholeFile(copy), "kept");

    // Swapped in: the older copy waits aside, and a copy that fails leaves nothing beside.
    EXPECT_TRUE(SwapInCopy(model, copy));
    EXPECT_EQ(readWholeFile(copy), readWholeFile(model));
    EXPECT_EQ(readWholeFile(copy + ".old"), "kept");
    EXPECT_FALSE(SwapInCopy(temp.file("missing.data"), copy));
    EXPECT_EQ(readWholeFile(copy), readWholeFile(model));
    EXPECT_EQ(GetFileAttributesA((copy + ".partial").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(FilesWin32, ASavedPictureIsA24BitBmpWithPaddedRowsBottomRowFirst) {
    TempFolder temp;
    PictureSurface picture;
    ASSERT_TRUE(picture.Resize(5, 3));  // 15 bytes of pixels per row, padded to 16
    for (const std::uint8_t byte : picture.Rows()) {
        ASSERT_EQ(byte, 0);  // a new picture is black
    }
    const auto colour = [](int x, int y) { return RGB(x * 40 + 3, y * 50 + 5, (x + y) * 10 + 7); };
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            SetPixel(picture.Dc(), x, y, colour(x, y));
        }
    }
    const std::string path = temp.file("Skymere1.bmp");
    ASSERT_TRUE(SavePicture(picture, path));
    const std::string file = readWholeFile(path);
    ASSERT_EQ(file.size(), 14u + 40u + 16u * 3u);
    EXPECT_EQ(file.substr(0, 2), "BM");
    // The fields the scene program's reader passes over; it sees the pixels as drawn.
    EXPECT_EQ(Field(file, 2, 4), file.size());
    EXPECT_EQ(Field(file, 22, 4), 3u);  // positive: bottom row first
    EXPECT_EQ(Field(file, 26, 2), 1u);
    EXPECT_EQ(Field(file, 34, 4), 48u);
    const BitmapDecodeResult decoded =
        decodeBitmap(std::vector<std::uint8_t>(file.begin(), file.end()));
    ASSERT_EQ(decoded.error, BitmapError::None);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            const std::uint8_t* rgb = &decoded.image->pixels[((2 - y) * 5 + x) * 3];
            EXPECT_EQ(RGB(rgb[0], rgb[1], rgb[2]), colour(x, y)) << x << "," << y;
        }
    }
}

TEST(FilesWin32, SavingNeverReplacesAReadOnlyFileNorLeavesAPartialOne) {
    TempFolder temp;
    PictureSurface picture;
    ASSERT_TRUE(picture.Resize(4, 4));
    const std::string path = temp.file("Skymere1.bmp");
    writeWholeFile(path, "the older snapshot");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(SavePicture(picture, path));
    EXPECT_EQ(readWholeFile(path), "the older snapshot");
    EXPECT_EQ(GetFileAttributesA((path + ".partial").c_str()), INVALID_FILE_ATTRIBUTES);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(SavePicture(picture, path));
    EXPECT_EQ(readWholeFile(path).size(), 14u + 40u + 12u * 4u);
    // The older file waits aside until it is removed.
    EXPECT_EQ(readWholeFile(path + ".old"), "the older snapshot");
    RemoveSwappedOutFile(path);
    EXPECT_EQ(GetFileAttributesA((path + ".old").c_str()), INVALID_FILE_ATTRIBUTES);

    // A target another program holds open: the picture is written beside it and then removed,
    // and the older file stays in its place.
    writeWholeFile(path, "the older snapshot");
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_FALSE(SavePicture(picture, path));
    CloseHandle(held);
    EXPECT_EQ(readWholeFile(path), "the older snapshot");
    EXPECT_EQ(GetFileAttributesA((path + ".partial").c_str()), INVALID_FILE_ATTRIBUTES);

    EXPECT_FALSE(SavePicture(PictureSurface(), temp.file("empty.bmp")));
    EXPECT_FALSE(SavePicture(picture, temp.file("missing\\Skymere1.bmp")));
}

TEST(FilesWin32, SettingsKeepTheKeysAsCodePage932BytesAndLoadBack) {
    TempFolder temp;
    const std::string folder = temp.file("saver");
    ASSERT_TRUE(CreateFolder(folder));
    const std::string music = temp.file("my song.mp3");
    writeWholeFile(music, "ID3");
    Win32FilePort port;
    ASSERT_TRUE(SaveSettings(port, folder, {.BGMMode = 2, .BGMRepeat = 3, .BGMFile = music}));

    const std::string bytes = readWholeFile(folder + "\\Soravane.ini");
    EXPECT_EQ(bytes.rfind("[Section]", 0), 0u);
    EXPECT_EQ(profileValue(bytes, kModeKey), "2");
    EXPECT_EQ(profileValue(bytes, kRepeatKey), "3");
    EXPECT_EQ(profileValue(bytes, kFileKey), music);

    // A value longer than the first reading buffer comes back whole.
    const std::string longValue = "C:\\" + std::string(40000, 'm');
    writeWholeFile(folder + "\\Soravane.ini",
                   "[Section]\r\n" + kFileKey + "=" + longValue + "\r\n");
    EXPECT_TRUE(port.ReadIni("Section", kFileKey, folder + "\\Soravane.ini") == longValue);

    EXPECT_FALSE(SaveSettings(port, temp.file("missing"), {}));

    // An edit that fails half-way, or a read-only file, leaves the file whole and no copy.
    const std::string file = folder + "\\Soravane.ini";
    const std::string before = readWholeFile(file);
    EXPECT_FALSE(port.EditApart(file, [&](std::string_view copy) {
        return !port.WriteIni("Section", kModeKey, " 1", copy);
    }));
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(SaveSettings(port, folder, {}));
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(readWholeFile(file), before);
    EXPECT_FALSE(FileExists(port, file + ".partial"));
}

}  // namespace
