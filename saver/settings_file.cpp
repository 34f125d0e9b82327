#include "saver/settings_file.h"

#include "saver/runtime/number_text.h"

std::string SettingsFilePath(std::string_view programFolder) {
    return std::string(programFolder) + std::string(settings_file::kFileName);
}

std::array<SettingsEntry, 3> SettingsEntries(const SharedState& state) {
    return {{
        {settings_file::kBgmMode.key, NumberToText(state.BGMMode)},
        {settings_file::kBgmRepeat.key, NumberToText(state.BGMRepeat)},
        {settings_file::kBgmFile.key, state.BGMFile},
    }};
}
