// The settings file: loading with its defaults and rules, saving the exact values and keys,
// and the path routines loading relies on.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "saver/settings/path_routines.h"
#include "saver/settings/settings_file.h"

namespace {

constexpr char kFolder[] = "C:\\Saver";
constexpr char kFile[] = "C:\\Saver\\Soravane.ini";
// The keys as existing settings files hold them, in code page 932.
const std::string kModeKey = "\x42\x47\x4D\x8B\xE6\x95\xAA";
const std::string kRepeatKey = "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4";
const std::string kFileKey = "\x42\x47\x4D\xCC\xA7\xB2\xD9";

// Profile files in memory, by file, section and key.
class FakeFiles : public FilePort {
public:
    using Place = std::tuple<std::string, std::string, std::string>;
    std::map<Place, std::string> values;
    std::set<std::string> readableFiles;
    std::set<std::string> unwritableKeys;

    std::string& At(const std::string& key) { return values[{kFile, "Section", key}]; }

    std::string ReadIni(std::string_view section, std::string_view key,
                        std::string_view file) override {
        const auto found = values.find({std::string(file), std::string(section), std::string(key)});
        return found != values.end() ? found->second : std::string();
    }
    bool WriteIni(std::string_view section, std::string_view key, std::string_view value,
                  std::string_view file) override {
        if (unwritableKeys.count(std::string(key)) > 0) {
            return false;
        }
        values[{std::string(file), std::string(section), std::string(key)}] = value;
        return true;
    }
    // All or nothing, as a copy that replaces the file would be.
    bool EditApart(std::string_view file,
                   const std::function<bool(std::string_view copy)>& edit) override {
        const auto before = values;
        if (edit(file)) {
            return true;
        }
        values = before;
        return false;
    }
    bool OpensForReading(std::string_view path) override {
        return readableFiles.count(std::string(path)) > 0;
    }
};

SharedState Load(FakeFiles& files, SharedState state = {}) {
    LoadSettings(files, kFolder, state);
    return state;
}

TEST(SettingsFile, NoFileGivesTheDefaultsAndTheProgramFolder) {
    FakeFiles files;
    const SharedState state = Load(files, {.BGMMode = 1, .BGMRepeat = 4, .BGMFile = "x"});
    EXPECT_EQ(state.BGMMode, 0);
    EXPECT_EQ(state.BGMRepeat, 0);
    EXPECT_EQ(state.BGMFile, "");
    EXPECT_EQ(state.InitDir, kFolder);
}

TEST(SettingsFile, NumbersRoundDownAndTextThatIsNoSixteenBitNumberKeepsTheOldValue) {
    const std::pair<const char*, int> cases[] = {
        {"1.9", 1}, {"-0.5", -1}, {"32767.9", 32767}, {"abc", 5}, {"-32769", 5},
    };
    for (const auto& [text, expected] : cases) {
        FakeFiles files;
        files.At(kModeKey) = text;
        files.At(kRepeatKey) = text;
        const SharedState state = Load(files, {.BGMMode = 5, .BGMRepeat = 5});
        EXPECT_EQ(state.BGMMode, expected) << '"' << text << '"';
        EXPECT_EQ(state.BGMRepeat, expected) << '"' << text << '"';
    }
}

TEST(SettingsFile, ASoundFileMustStillExistAndSoundFileMusicNeedsOne) {
    const std::string song = "C:\\My Music\\曲.mp3";
    FakeFiles files;
    files.At(kModeKey) = " 2";
    files.At(kFileKey) = song;
    files.readableFiles.insert(song);
    SharedState state = Load(files);
    EXPECT_EQ(state.BGMMode, 2);
    EXPECT_EQ(state.BGMFile, song);
    EXPECT_EQ(state.InitDir, "C:\\My Music");

    files.readableFiles.clear();
    state = Load(files);
    EXPECT_EQ(state.BGMMode, 0);
    EXPECT_EQ(state.BGMFile, "");
    EXPECT_EQ(state.InitDir, kFolder);

    // Other kinds keep their value without a file.
    files.At(kModeKey) = " 1";
    EXPECT_EQ(Load(files).BGMMode, 1);
}

TEST(SettingsFile, SavingWritesEveryKeyInItsStoredFormAndLoadsBackTheSame) {
    FakeFiles files;
    const SharedState saved{.BGMMode = 2, .BGMRepeat = -1, .BGMFile = "C:\\曲\\a.wav"};
    EXPECT_TRUE(SaveSettings(files, kFolder, saved));
    EXPECT_EQ(files.values, (std::map<FakeFiles::Place, std::string>{
                                {{kFile, "Section", kModeKey}, " 2"},
                                {{kFile, "Section", kRepeatKey}, "-1"},
                                {{kFile, "Section", kFileKey}, "C:\\曲\\a.wav"},
                            }));
    files.readableFiles.insert(saved.BGMFile);
    const SharedState loaded = Load(files);
    EXPECT_EQ(loaded.BGMMode, saved.BGMMode);
    EXPECT_EQ(loaded.BGMRepeat, saved.BGMRepeat);
    EXPECT_EQ(loaded.BGMFile, saved.BGMFile);

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
    FakeFiles files;
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
