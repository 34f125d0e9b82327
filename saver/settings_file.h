#pragma once
// The settings file, described once: where it lies, its section, its keys with the defaults
// that a missing or empty value gives, and the values as they are written.
//
// The keys are the code-page-932 bytes of "BGM区分", "BGMﾘﾋﾟｰﾄ" and "BGMﾌｧｲﾙ". They go to the
// ANSI profile functions byte for byte, whatever the system's code page, so the file stays
// compatible with settings files written before.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "saver/skymere_b_state.h"

struct NumberSetting {
    std::string_view key;
    std::int16_t defaultValue;
};

struct TextSetting {
    std::string_view key;
    std::string_view defaultValue;
};

namespace settings_file {

inline constexpr std::string_view kFileName = "\\Soravane.ini";  // beside the program
inline constexpr std::string_view kSection = "Section";

inline constexpr NumberSetting kBgmMode{"BGM\x8B\xE6\x95\xAA", kBgmNone};
inline constexpr NumberSetting kBgmRepeat{"BGM\xD8\xCB\xDF\xB0\xC4", 0};
inline constexpr TextSetting kBgmFile{"BGM\xCC\xA7\xB2\xD9", ""};

}  // namespace settings_file

// The settings file of the program in `programFolder` (given without a trailing backslash).
std::string SettingsFilePath(std::string_view programFolder);

struct SettingsEntry {
    std::string_view key;
    std::string value;
};

// The values that saving the settings writes, in the order they are written: BGMMode and
// BGMRepeat as NumberToText writes them (" 2", "-1"), BGMFile unchanged, even when empty.
std::array<SettingsEntry, 3> SettingsEntries(const SharedState& state);
