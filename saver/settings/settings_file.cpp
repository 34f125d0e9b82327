#include "saver/settings/settings_file.h"

#include "saver/runtime/number_parse.h"
#include "saver/runtime/number_text.h"
#include "saver/runtime/rounding.h"
#include "saver/settings/path_routines.h"

namespace {

void LoadField(const NumberField& field, const std::string& text, SharedState& state) {
    std::int16_t& value = state.*field.member;
    if (text.empty()) {
        value = field.defaultValue;
        return;
    }
    if (const std::optional<double> number = ParseNumber(text)) {
        value = RoundDownToInt16(*number).value_or(value);
    }
}

void LoadField(const TextField& field, const std::string& text, SharedState& state) {
    state.*field.member = text.empty() ? std::string(field.defaultValue) : text;
}

std::string StoredText(const NumberField& field, const SharedState& state) {
    return NumberToText(state.*field.member);
}

std::string StoredText(const TextField& field, const SharedState& state) {
    return state.*field.member;
}

}  // namespace

std::string SettingsFilePath(std::string_view programFolder) {
    return std::string(programFolder) + std::string(settings_file::kFileName);
}

void LoadSettings(FilePort& port, std::string_view programFolder, SharedState& state) {
    const std::string file = SettingsFilePath(programFolder);
    for (const SettingRow& row : settings_file::kRows) {
        const std::string text = port.ReadIni(row.section, row.key, file);
        std::visit([&](const auto& field) { LoadField(field, text, state); }, row.field);
    }
    if (!state.BGMFile.empty() && !FileExists(port, state.BGMFile)) {
        state.BGMFile.clear();
    }
    if (state.BGMFile.empty() && state.BGMMode == kBgmSoundFile) {
        state.BGMMode = kBgmNone;
    }
    state.InitDir = state.BGMFile.empty() ? std::string(programFolder) : DirOf(state.BGMFile);
}

bool SaveSettings(FilePort& port, std::string_view programFolder, const SharedState& state) {
    return port.EditApart(SettingsFilePath(programFolder), [&](std::string_view copy) {
        for (const SettingRow& row : settings_file::kRows) {
            const std::string text =
                std::visit([&](const auto& field) { return StoredText(field, state); }, row.field);
            if (!port.WriteIni(row.section, row.key, text, copy)) {
                return false;
            }
        }
        return true;
    });
}
