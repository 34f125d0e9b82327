// The settings file on Windows: the Japanese keys reach the file as the code-page-932 bytes
// that existing settings files hold, files holding those bytes are read, values come back
// whole, and a missing or broken file reads as empty.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "saver/settings_file.h"
#include "saver/skymere_b_files.h"
#include "saver/skymere_b_routines.h"
#include "tests/support/temp_folder.h"

namespace {

const std::string kModeKey = "BGM\x8B\xE6\x95\xAA";
const std::string kRepeatKey = "BGM\xD8\xCB\xDF\xB0\xC4";
const std::string kFileKey = "BGM\xCC\xA7\xB2\xD9";

std::string TrimmedLeft(const std::string& text) {
    return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The value on the line of `key` in `bytes`, without the blanks the platform may put after
// the equals sign (Windows keeps the number's leading blank, Wine drops it).
std::string ValueOnLine(const std::string& bytes, const std::string& key) {
    const std::size_t line = bytes.find("\n" + key + "=");
    if (line == std::string::npos) {
        return "(no line for the key)";
    }
    std::size_t start = line + key.size() + 2;
    while (start < bytes.size() && bytes[start] == ' ') {
        ++start;
    }
    return bytes.substr(start, bytes.find_first_of("\r\n", start) - start);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// The program folder as LoadSettings takes it, and its settings file.
struct SaverFolder {
    TempFolder temp;
    std::string folder = temp.file("saver");
    std::string settings = folder + "\\Soravane.ini";
    SaverFolder() { CreateDirectoryA(folder.c_str(), nullptr); }
};

TEST(SaverSettingsFileWin32, SavedSettingsHoldTheKeysAsCodePage932BytesAndLoadBack) {
    SaverFolder saver;
    const std::string music = saver.temp.file("my song.mp3");
    WriteBytes(music, "ID3");
    const SharedState chosen{.BGMMode = 2, .BGMRepeat = 3, .BGMFile = music};
    for (const SettingsEntry& entry : SettingsEntries(chosen)) {
        EXPECT_NE(WriteIni(settings_file::kSection, entry.key, entry.value, saver.settings), 0);
    }

    const std::string bytes = ReadBytes(saver.settings);
    EXPECT_EQ(bytes.rfind("[Section]", 0), 0u);
    EXPECT_EQ(ValueOnLine(bytes, kModeKey), "2");
    EXPECT_EQ(ValueOnLine(bytes, kRepeatKey), "3");
    EXPECT_EQ(ValueOnLine(bytes, kFileKey), music);

    Win32FilePort port;
    SharedState loaded;
    LoadSettings(port, saver.folder, loaded);
    EXPECT_EQ(loaded.BGMMode, 2);
    EXPECT_EQ(loaded.BGMRepeat, 3);
    EXPECT_EQ(loaded.BGMFile, music);
    EXPECT_EQ(loaded.InitDir, music.substr(0, music.find_last_of('\\')));
}

TEST(SaverSettingsFileWin32, ReadsAFileWrittenWithTheJapaneseKeyBytes) {
    SaverFolder saver;
    WriteBytes(saver.settings, "[Other]\r\n" + kModeKey + "=9\r\n[Section]\r\n" + kModeKey +
                                   "= 1\r\n" + kRepeatKey + "=-4\r\n" + kFileKey + "=\r\n");
    Win32FilePort port;
    EXPECT_EQ(TrimmedLeft(port.ReadIni("Section", kModeKey, saver.settings)), "1");
    EXPECT_EQ(port.ReadIni("Section", kRepeatKey, saver.settings), "-4");
    EXPECT_EQ(port.ReadIni("Section", kFileKey, saver.settings), "");

    SharedState loaded;
    LoadSettings(port, saver.folder, loaded);
    EXPECT_EQ(loaded.BGMMode, 1);
    EXPECT_EQ(loaded.BGMRepeat, -4);
    EXPECT_EQ(loaded.BGMFile, "");
    EXPECT_EQ(loaded.InitDir, saver.folder);
}

TEST(SaverSettingsFileWin32, LongValuesComeBackWhole) {
    SaverFolder saver;
    Win32FilePort port;
    // Past the 255 bytes of a fixed reply buffer, up to the largest value Wine's profile
    // functions take (from 32767 bytes on, its WritePrivateProfileStringA crashes).
    for (const std::size_t length : {300u, 4000u, 32766u}) {
        const std::string value = "C:\\" + std::string(length - 3, 'm');
        ASSERT_NE(WriteIni("Section", kFileKey, value, saver.settings), 0);
        const std::string read = port.ReadIni("Section", kFileKey, saver.settings);
        EXPECT_EQ(read.size(), value.size());
        EXPECT_TRUE(read == value) << "a value of " << length << " bytes";
    }
}

TEST(SaverSettingsFileWin32, MissingOrBrokenFilesReadAsEmptyAndGiveTheDefaults) {
    SaverFolder saver;
    Win32FilePort port;
    EXPECT_EQ(port.ReadIni("Section", kModeKey, saver.settings), "");
    EXPECT_EQ(port.ReadIni("Section", kModeKey, saver.temp.file("no such folder\\x.ini")), "");

    WriteBytes(saver.settings, std::string("\0\xFF\xFE[Sec\r\n=\r\n\x8B\xE6=\r\n[]\r\n", 17));
    SharedState loaded{.BGMMode = 1, .BGMRepeat = 7};
    LoadSettings(port, saver.folder, loaded);
    EXPECT_EQ(loaded.BGMMode, 0);
    EXPECT_EQ(loaded.BGMRepeat, 0);
    EXPECT_EQ(loaded.BGMFile, "");
}

TEST(SaverSettingsFileWin32, WritingToAFolderThatDoesNotExistFailsQuietly) {
    TempFolder temp;
    EXPECT_EQ(WriteIni("Section", kModeKey, " 1", temp.file("missing\\Soravane.ini")), 0);
}

}  // namespace
