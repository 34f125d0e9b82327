#include "saver/runtime/number_parse.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <limits>
#include <string>

#include "saver/runtime/text.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    return pos;
}

// One number as found in a text.
struct ScannedNumber {
    std::size_t end = 0;     // just past the number's last character
    bool hasDigits = false;  // false: no number starts here
    bool isNegative = false;
    std::string chars;  // the number in the form std::from_chars reads (no "+")
    // Power of ten of the first significant digit; tells overflow from underflow when the
    // value does not fit a double.
    long long order = 0;
};

// Reads the longest number starting at `pos`.
ScannedNumber ScanNumber(std::string_view text, std::size_t pos) {
    ScannedNumber number;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        number.isNegative = text[pos] == '-';
        if (number.isNegative) {
            number.chars += '-';
        }
        ++pos;
    }
    long long significantIntegerDigits = 0;
    long long fractionZerosBeforeSignificant = 0;
    bool seenSignificant = false;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        number.hasDigits = true;
        seenSignificant = seenSignificant || text[pos] != '0';
        significantIntegerDigits += seenSignificant ? 1 : 0;
        number.chars += text[pos];
    }
    if (pos < text.size() && text[pos] == '.') {
        number.chars += '.';
        for (++pos; pos < text.size() && IsDigit(text[pos]); ++pos) {
            number.hasDigits = true;
            seenSignificant = seenSignificant || text[pos] != '0';
            fractionZerosBeforeSignificant += seenSignificant ? 0 : 1;
            number.chars += text[pos];
        }
    }
    number.end = pos;
    if (!number.hasDigits) {
        return number;
    }
    long long exponent = 0;
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        std::size_t digitsAt = pos + 1;
        const bool isExponentNegative = digitsAt < text.size() && text[digitsAt] == '-';
        if (digitsAt < text.size() && (text[digitsAt] == '+' || text[digitsAt] == '-')) {
            ++digitsAt;
        }
        // "1E" or "1E+" is the number 1 followed by other text.
        if (digitsAt < text.size() && IsDigit(text[digitsAt])) {
            number.chars += isExponentNegative ? "e-" : "e";
            for (pos = digitsAt; pos < text.size() && IsDigit(text[pos]); ++pos) {
                constexpr long long kFarBeyondDouble = 1'000'000;
                exponent = std::min(exponent * 10 + (text[pos] - '0'), kFarBeyondDouble);
                number.chars += text[pos];
            }
            exponent = isExponentNegative ? -exponent : exponent;
            number.end = pos;
        }
    }
    number.order =
        exponent + (significantIntegerDigits > 0 ? significantIntegerDigits - 1
                                                 : -(fractionZerosBeforeSignificant + 1));
    return number;
}

// The value of a scanned number with digits; nothing when it is too large for a double.
std::optional<double> ValueOf(const ScannedNumber& number) {
    double value = 0;
    const char* first = number.chars.data();
    const std::from_chars_result result =
        std::from_chars(first, first + number.chars.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (number.order > 0) {
            return std::nullopt;
        }
        return 0.0;
    }
    return value;
}

}  // namespace

double ParseLeadingNumber(std::string_view text) {
    const ScannedNumber number = ScanNumber(text, SkipBlanks(text, 0));
    if (!number.hasDigits) {
        return 0;
    }
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    return ValueOf(number).value_or(number.isNegative ? -kInfinity : kInfinity);
}

std::optional<double> ParseNumber(std::string_view text) {
    const ScannedNumber number = ScanNumber(text, SkipBlanks(text, 0));
    if (!number.hasDigits || SkipBlanks(text, number.end) != text.size()) {
        return std::nullopt;
    }
    return ValueOf(number);
}
