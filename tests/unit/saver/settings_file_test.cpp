// The settings file: loading with its defaults and rules, saving the exact values and keys,
// and the path routines loading relies on.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include "saver/settings/path_routines.h"
#include "saver/settings/settings_file.h"
#include "tests/support/fake_file_port.h"

namespace {

constexpr char kFolder[] = "C:\\Saver";
constexpr char kFile[] = "C:\\Saver\\Soravane.ini";
// The keys as existing settings files hold them, in code page 932.
const std::string kModeKey = "\x42\x47\x4D\x8B\xE6\x95\xAA";
const std::string kRepeatKey = "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4";
const std::string kFileKey = "\x42\x47\x4D\xCC\xA7\xB2\xD9";

// The settings file's place in the fake, by key.
struct Files : FakeFiles {
    std::string& At(const std::string& key) { return values[{kFile, "Section", key}]; }
};

SharedState Load(Files& files, SharedState state = {}) {
    LoadSettings(files, kFolder, state);
    return state;
}

TEST(SettingsFile, NumbersRoundDownAndTextThatIsNoSixteenBitNumberKeepsTheOldValue) {
    const std::pair<const char*, int> cases[] = {
        {"1.9", 1}, {"-0.5", -1}, {"32767.9", 32767}, {"abc", 5}, {"-32769", 5},
    };
    for (const auto& [text, expected] : cases) {
        Files files;
        files.At(kModeKey) = text;
        files.At(kRepeatKey) = text;
        const SharedState state = Load(files, {.BGMMode = 5, .BGMRepeat = 5});
        EXPECT_EQ(state.BGMMode, expected) << '"' << text << '"';
        EXPECT_EQ(state.BGMRepeat, expected) << '"' << text << '"';
    }
}

TEST(SettingsFile, NoFileGivesTheDefaultsAndASoundFileMustStillExistForSoundFileMusic) {
    const std::string song = "C:\\My Music\\曲.mp3";
    // The kind and `song` in the file (no kind: no file at all), whether `song` can be read;
    // then the kind, the repeat, the file and the folder loaded over other values.
    using Loaded = std::tuple<std::int16_t, std::int16_t, std::string, std::string>;
    const std::tuple<std::string, bool, Loaded> cases[] = {
        {"", false, {0, 0, "", kFolder}},
        {" 2", true, {2, 0, song, "C:\\My Music"}},
        {" 2", false, {0, 0, "", kFolder}},
        {" 1", false, {1, 0, "", kFolder}},  // other kinds keep their value without a file
    };
    for (const auto& [mode, readable, loaded] : cases) {
        Files files;
        if (!mode.empty()) {
            files.At(kModeKey) = mode;
            files.At(kFileKey) = song;
        }
        if (readable) {
            files.readableFiles.insert(song);
        }
        const SharedState state = Load(files, {.BGMMode = 1, .BGMRepeat = 4, .BGMFile = "x"});
        EXPECT_EQ(Loaded(state.BGMMode, state.BGMRepeat, state.BGMFile, state.InitDir), loaded)
            << '"' << mode << "\" " << readable;
    }
}

TEST(SettingsFile, SavingWritesEveryKeyInItsStoredForm) {
    Files files;
    const SharedState saved{.BGMMode = 2, .BGMRepeat = -1, .BGMFile = "C:\\曲\\a.wav"};
    EXPECT_TRUE(SaveSettings(files, kFolder, saved));
    EXPECT_EQ(files.values, (std::map<Files::Place, std::string>{
                                {{kFile, "Section", kModeKey}, " 2"},
                                {{kFile, "Section", kRepeatKey}, "-1"},
                                {{kFile, "Section", kFileKey}, "C:\\曲\\a.wav"},
                            }));

    // An empty file is written too, so that it replaces an older one.
    EXPECT_TRUE(SaveSettings(files, kFolder, {.BGMMode = 0}));
    EXPECT_EQ(files.At(kFileKey), "");
    EXPECT_EQ(files.At(kModeKey), " 0");

    // A value that cannot be written is reported, and the file keeps what it held.
    files.unwritableKeys.insert(kFileKey);
    EXPECT_FALSE(SaveSettings(files, kFolder, saved));
    EXPECT_EQ(files.At(kModeKey), " 0");
}

TEST(SettingsFile, FileExistsIgnoresOneTrailingBackslash) {
    Files files;
    files.readableFiles.insert("C:\\music\\song.mp3");
    EXPECT_TRUE(FileExists(files, "C:\\music\\song.mp3"));
    EXPECT_TRUE(FileExists(files, "C:\\music\\song.mp3\\"));
    EXPECT_FALSE(FileExists(files, "C:\\music\\song.mp3\\\\"));
    EXPECT_FALSE(FileExists(files, "C:\\music\\song.mp"));
}

TEST(SettingsFile, DirOfTakesTheFolderPartWithoutItsLastBackslash) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\music\\song.mp3", "C:\\music"},
        {"C:\\song.mp3", "C:"},
        {"D:song.mp3", "D:"},
        {"song.mp3", ""},
        {"C:\\ソング\\表.mp3", "C:\\ソング"},
        {"\\\\server\\share\\a.wav", "\\\\server\\share"},
    };
    for (const auto& [path, folder] : cases) {
        EXPECT_EQ(DirOf(path), folder) << path;
    }
}

}  // namespace
