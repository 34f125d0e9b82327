#pragma once
// Numbers written as text, as the forms run-time writes them.
#include <cstdint>
#include <string>

// Decimal digits after one blank when `value` is 0 or more, after "-" when it is negative:
// 2 gives " 2", -3 gives "-3". The settings file stores numbers in this form.
std::string NumberToText(std::int32_t value);

// The format pattern "##": 0 gives the empty text, any other value its decimal digits with a
// minus sign when negative and no blank (12 gives "12", 345 gives "345").
std::string FormatHashPattern(std::int32_t value);
