#include "saver/skymere_b_routines.h"

#include "saver/runtime/number_parse.h"
#include "saver/runtime/rounding.h"
#include "saver/settings_file.h"

namespace {

// Reads one number setting into `value`: an empty text gives the default; text that is not a
// number, or whose value rounds down outside 16 bits, leaves `value` as it was.
void LoadNumberSetting(FilePort& port, const std::string& file, const NumberSetting& setting,
                       std::int16_t& value, std::string& iniValue) {
    iniValue = port.ReadIni(settings_file::kSection, setting.key, file);
    if (iniValue.empty()) {
        value = setting.defaultValue;
        return;
    }
    const std::optional<double> number = ParseNumber(iniValue);
    if (!number) {
        return;
    }
    if (const std::optional<std::int16_t> whole = RoundDownToInt16(*number)) {
        value = *whole;
    }
}

}  // namespace

void LoadSettings(FilePort& port, std::string_view programFolder, SharedState& state) {
    const std::string file = SettingsFilePath(programFolder);
    LoadNumberSetting(port, file, settings_file::kBgmMode, state.BGMMode, state.IniValue);
    LoadNumberSetting(port, file, settings_file::kBgmRepeat, state.BGMRepeat, state.IniValue);

    state.IniValue = port.ReadIni(settings_file::kSection, settings_file::kBgmFile.key, file);
    state.BGMFile = state.IniValue;
    if (!state.BGMFile.empty() && !FileExists(port, state.BGMFile)) {
        state.BGMFile = settings_file::kBgmFile.defaultValue;
    }
    if (state.BGMFile.empty() && state.BGMMode == kBgmSoundFile) {
        state.BGMMode = kBgmNone;
    }
    state.InitDir = state.BGMFile.empty() ? std::string(programFolder) : DirOf(state.BGMFile);
}

bool FileExists(FilePort& port, std::string_view path) {
    if (!path.empty() && path.back() == '\\') {
        path.remove_suffix(1);
    }
    return port.OpensForReading(path);
}

std::string DirOf(std::string_view path) {
    const std::size_t lastSeparator = path.find_last_of(":\\");
    if (lastSeparator == std::string_view::npos) {
        return {};
    }
    std::string_view folder = path.substr(0, lastSeparator + 1);
    if (folder.back() == '\\') {
        folder.remove_suffix(1);
    }
    return std::string(folder);
}
