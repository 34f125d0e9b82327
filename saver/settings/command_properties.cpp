#include "saver/settings/command_properties.h"

#include <algorithm>

#include "saver/runtime/number_parse.h"
#include "saver/runtime/rounding.h"
#include "saver/runtime/text.h"

namespace {

constexpr std::uint8_t kShiftJisCharset = 128;

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

PropertyStore::PropertyStore(std::initializer_list<Entry> entries) : entries_(entries) {}

std::string PropertyStore::ReadProperty(std::string_view key, std::string_view defaultValue) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const Entry& entry) { return entry.first == key; });
    return found != entries_.end() ? found->second : std::string(defaultValue);
}

void PropertyStore::WriteProperty(std::string_view key, std::string_view value,
                                  std::string_view defaultValue) {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const Entry& entry) { return entry.first == key; });
    if (value == defaultValue) {
        if (found != entries_.end()) {
            entries_.erase(found);
        }
        return;
    }
    if (found != entries_.end()) {
        found->second = value;
    } else {
        entries_.emplace_back(key, value);
    }
}

std::string BooleanText(bool value) {
    return value ? "True" : "False";
}

std::optional<bool> BooleanFromText(std::string_view text) {
    const std::string word = UpperCaseAscii(TrimBlanks(text));
    if (word == "TRUE") {
        return true;
    }
    if (word == "FALSE") {
        return false;
    }
    const std::optional<double> number = ParseNumber(text);
    if (!number) {
        return std::nullopt;
    }
    return *number != 0.0;
}

std::optional<std::int32_t> IntegerFromText(std::string_view text, std::int32_t lowest,
                                            std::int32_t highest) {
    const std::optional<double> number = ParseNumber(text);
    if (!number) {
        return std::nullopt;
    }
    const std::optional<std::int32_t> rounded = RoundToInt32(*number);
    if (!rounded || *rounded < lowest || *rounded > highest) {
        return std::nullopt;
    }
    return rounded;
}

CommandFont DesignFont() {
    return {.faceName = "ＭＳ Ｐゴシック",
            .sizePoints = 9.75,
            .weight = 400,
            .charset = kShiftJisCharset};
}
