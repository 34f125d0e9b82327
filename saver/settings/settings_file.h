#pragma once
// The settings file, described once as data: where it lies, and one row per setting with its
// section, its key, its default and the field of the shared state it fills. Loading and saving
// both walk the rows through the same FilePort; adding a setting is one row (and its control
// in the dialog).
//
// The keys are the code-page-932 bytes of "BGM区分", "BGMﾘﾋﾟｰﾄ" and "BGMﾌｧｲﾙ". They go to the
// ANSI profile functions byte for byte, whatever the system's code page, so the file stays
// compatible with settings files written before.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "saver/settings/file_port.h"
#include "saver/settings/shared_state.h"

// A 16-bit number, stored as NumberToText writes it (" 2", "-1"). Read back, an empty value
// gives the default; text that is not a number, or rounds down outside 16 bits, leaves the
// field as it was.
struct NumberField {
    std::int16_t SharedState::*member;
    std::int16_t defaultValue;
};

// A text, stored as it is; an empty value gives the default.
struct TextField {
    std::string SharedState::*member;
    std::string_view defaultValue;
};

struct SettingRow {
    std::string_view section;
    std::string_view key;
    std::variant<NumberField, TextField> field;
};

namespace settings_file {

inline constexpr std::string_view kFileName = "\\Soravane.ini";  // beside the program
inline constexpr std::string_view kSection = "Section";

// In the order they are read and written.
inline constexpr std::array<SettingRow, 3> kRows = {{
    {kSection, "BGM\x8B\xE6\x95\xAA", NumberField{&SharedState::BGMMode, kBgmNone}},
    {kSection, "BGM\xD8\xCB\xDF\xB0\xC4", NumberField{&SharedState::BGMRepeat, 0}},
    {kSection, "BGM\xCC\xA7\xB2\xD9", TextField{&SharedState::BGMFile, ""}},
}};

}  // namespace settings_file

// The settings file of the program in `programFolder` (given without a trailing backslash).
std::string SettingsFilePath(std::string_view programFolder);

// Fills the settings of `state` from the file, then InitDir. A BGMFile naming no readable file
// is dropped, and sound-file music without a file becomes no music.
void LoadSettings(FilePort& port, std::string_view programFolder, SharedState& state);

// Writes every setting of `state`, an empty BGMFile too, into a copy of the file that then
// replaces it. False when any could not be written; the file then stays as it was.
bool SaveSettings(FilePort& port, std::string_view programFolder, const SharedState& state);
