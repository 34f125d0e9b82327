#pragma once
// The property store of a custom control: the part of a form's stored description that belongs
// to one control, as texts keyed by property name. The control reads each property with a
// default for a key that is not stored, and writes each with a default: a value equal to the
// write default is not stored, so a description holds only what differs from the design.
//
// The settings dialog describes each of its buttons this way, for example
// {{"Caption", "設定"}}, and the button sets itself up from it.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class PropertyStore {
public:
    using Entry = std::pair<std::string, std::string>;

    PropertyStore() = default;
    PropertyStore(std::initializer_list<Entry> entries);

    // The stored text, or `defaultValue` when `key` is not stored.
    std::string ReadProperty(std::string_view key, std::string_view defaultValue) const;
    // Stores `value` under `key`, or removes the key when `value` equals `defaultValue`.
    void WriteProperty(std::string_view key, std::string_view value, std::string_view defaultValue);

    // In the order first written; a rewritten key keeps its place.
    const std::vector<Entry>& Entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
};

// Typed values as the store keeps them: booleans as "True" or "False", numbers in decimal.
// Reading accepts what the forms run-time's conversions accept; a text that does not convert,
// or a number out of the type's range, is nothing, and the caller keeps its value as it was.
std::string BooleanText(bool value);
std::optional<bool> BooleanFromText(std::string_view text);  // also any number: 0 is false
std::optional<std::int32_t> IntegerFromText(std::string_view text, std::int32_t lowest,
                                            std::int32_t highest);

// A font as a control keeps it. The store holds a font by its face name only: reading a font
// gives only the face name to the control, so nothing else would come back anyway.
struct CommandFont {
    std::string faceName;  // UTF-8
    double sizePoints = 0.0;
    int weight = 400;  // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    std::uint8_t charset = 0;  // 128 is Japanese (Shift-JIS)

    friend bool operator==(const CommandFont&, const CommandFont&) = default;
};

// The font the button and the settings dialog are designed with: ＭＳ Ｐゴシック, 9.75
// points, normal weight, Japanese character set.
CommandFont DesignFont();
