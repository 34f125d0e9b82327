#pragma once
// Reading numbers from text as the forms run-time does. Only decimal numbers are read: an
// optional sign, digits with at most one decimal point, and an optional exponent ("E" or "e",
// an optional sign, at least one digit). Blanks are spaces and tabs.
#include <optional>
#include <string_view>

// The number at the start of `text`: blanks before it are skipped and reading stops at the
// first character that cannot continue the number; 0 when no number starts the text. A number
// too large for a double reads as an infinity, which no rounding accepts.
double ParseLeadingNumber(std::string_view text);

// The whole of `text` as a number, with blanks allowed around it. Nothing when the text is
// empty, holds anything else, or names a number too large for a double; numbers too small
// for a double read as 0.
std::optional<double> ParseNumber(std::string_view text);
