#include "saver/runtime/number_text.h"

std::string NumberToText(std::int32_t value) {
    std::string text = value < 0 ? std::string() : std::string(" ");
    text += std::to_string(value);
    return text;
}

std::string FormatHashPattern(std::int32_t value) {
    return value == 0 ? std::string() : std::to_string(value);
}
