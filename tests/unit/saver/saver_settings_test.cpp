// Loading the settings file, the file check and folder rule it relies on, and the values that
// saving writes back.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "saver/settings_file.h"
#include "saver/skymere_b_routines.h"

namespace {

constexpr char kFolder[] = "C:\\Saver";
// The keys as existing settings files hold them, in code page 932.
const std::string kModeKey = "\x42\x47\x4D\x8B\xE6\x95\xAA";
const std::string kRepeatKey = "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4";
const std::string kFileKey = "\x42\x47\x4D\xCC\xA7\xB2\xD9";

// Answers only for section "Section" of C:\Saver\Soravane.ini.
class FakeFiles : public FilePort {
public:
    std::map<std::string, std::string> values;  // by key
    std::set<std::string> readableFiles;
    std::vector<std::string> opened;

    std::string ReadIni(std::string_view section, std::string_view key,
                        std::string_view file) override {
        const auto found = values.find(std::string(key));
        const bool isOurs = section == "Section" && file == "C:\\Saver\\Soravane.ini";
        return isOurs && found != values.end() ? found->second : std::string();
    }

    bool OpensForReading(std::string_view path) override {
        opened.emplace_back(path);
        return readableFiles.count(std::string(path)) > 0;
    }
};

SharedState Load(FakeFiles& files, SharedState state = {}) {
    LoadSettings(files, kFolder, state);
    return state;
}

TEST(SaverLoadSettings, NoSettingsFileGivesTheDefaults) {
    FakeFiles files;
    const SharedState state = Load(files, {.BGMMode = 1, .BGMRepeat = 4});
    EXPECT_EQ(state.BGMMode, 0);
    EXPECT_EQ(state.BGMRepeat, 0);
    EXPECT_EQ(state.BGMFile, "");
    EXPECT_EQ(state.InitDir, kFolder);
}

TEST(SaverLoadSettings, SoundFileModeNeedsAnExistingFile) {
    FakeFiles files;
    files.values = {{kModeKey, " 2"}, {kFileKey, "C:\\My Music\\曲.mp3"}};
    files.readableFiles.insert("C:\\My Music\\曲.mp3");
    SharedState state = Load(files);
    EXPECT_EQ(state.BGMMode, 2);
    EXPECT_EQ(state.BGMFile, "C:\\My Music\\曲.mp3");
    EXPECT_EQ(state.InitDir, "C:\\My Music");

    files.readableFiles.clear();
    state = Load(files);
    EXPECT_EQ(state.BGMMode, 0);
    EXPECT_EQ(state.BGMFile, "");
    EXPECT_EQ(state.InitDir, kFolder);

    files.values.erase(kFileKey);
    EXPECT_EQ(Load(files).BGMMode, 0);
}

TEST(SaverLoadSettings, OtherModesStayWithoutAFile) {
    for (const auto& [text, mode] : {std::pair{" 1", 1}, std::pair{" 3", 3}}) {
        FakeFiles files;
        files.values = {{kModeKey, text}, {kFileKey, "C:\\gone.wav"}};
        EXPECT_EQ(Load(files).BGMMode, mode);
    }
}

TEST(SaverLoadSettings, NumbersRoundDownAndBadOnesKeepTheOldValue) {
    const std::pair<const char*, int> cases[] = {
        {"1.9", 1}, {"-0.5", -1}, {" 7 ", 7},         {"1e1", 10},
        {"abc", 5}, {"1 2", 5},   {"32767.9", 32767}, {"-32769", 5},
    };
    for (const auto& [text, expected] : cases) {
        FakeFiles files;
        files.values = {{kModeKey, text}, {kRepeatKey, text}};
        const SharedState state = Load(files, {.BGMMode = 5, .BGMRepeat = 5});
        EXPECT_EQ(state.BGMMode, expected) << '"' << text << '"';
        EXPECT_EQ(state.BGMRepeat, expected) << '"' << text << '"';
    }
}

TEST(SaverLoadSettings, LongValuesComeBackWhole) {
    FakeFiles files;
    const std::string longPath = "C:\\" + std::string(300, 'x') + ".wav";
    files.values = {{kFileKey, longPath}};
    files.readableFiles.insert(longPath);
    EXPECT_EQ(Load(files).BGMFile, longPath);
}

TEST(SaverFileExists, IgnoresOneTrailingBackslash) {
    FakeFiles files;
    files.readableFiles.insert("C:\\music\\song.mp3");
    EXPECT_TRUE(FileExists(files, "C:\\music\\song.mp3\\"));
    EXPECT_FALSE(FileExists(files, "C:\\music\\song.mp3\\\\"));
}

TEST(SaverDirOf, TakesTheFolderPartWithoutItsLastBackslash) {
    EXPECT_EQ(DirOf("C:\\music\\song.mp3"), "C:\\music");
    EXPECT_EQ(DirOf("C:\\song.mp3"), "C:");
    EXPECT_EQ(DirOf("D:song.mp3"), "D:");
    EXPECT_EQ(DirOf("song.mp3"), "");
    EXPECT_EQ(DirOf("C:\\ソング\\表.mp3"), "C:\\ソング");
}

TEST(SaverSettingsEntries, WriteWhatLoadingReadsBack) {
    const SharedState saved{.BGMMode = 2, .BGMRepeat = -1, .BGMFile = "C:\\a.wav"};
    const auto entries = SettingsEntries(saved);
    EXPECT_EQ(entries[0].key, kModeKey);
    EXPECT_EQ(entries[0].value, " 2");
    EXPECT_EQ(entries[1].key, kRepeatKey);
    EXPECT_EQ(entries[1].value, "-1");
    EXPECT_EQ(entries[2].key, kFileKey);

    FakeFiles files;
    for (const SettingsEntry& entry : entries) {
        files.values[std::string(entry.key)] = entry.value;
    }
    files.readableFiles.insert(saved.BGMFile);
    const SharedState loaded = Load(files);
    EXPECT_EQ(loaded.BGMMode, saved.BGMMode);
    EXPECT_EQ(loaded.BGMRepeat, saved.BGMRepeat);
    EXPECT_EQ(loaded.BGMFile, saved.BGMFile);
}

}  // namespace
