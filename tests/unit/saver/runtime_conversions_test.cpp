// The forms run-time's number and text conversions, as the settings file, the dialog, the
// command line and the music player use them.
#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "saver/runtime/number_parse.h"
#include "saver/runtime/number_text.h"
#include "saver/runtime/rounding.h"
#include "saver/runtime/text.h"

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(SaverNumberParse, FullConversionTakesBlanksSignPointAndExponentOnly) {
    // 1e-400 is too small for a double: 0, not an error.
    const std::pair<const char*, std::optional<double>> cases[] = {
        {" 9 ", 9.0},      {"\t-0.5", -0.5}, {"+.5", 0.5},  {"4.", 4.0},  {"2.5E-1", 0.25},
        {"-1e+2", -100.0}, {"1e-400", 0.0},  {"", {}},      {" ", {}},    {"abc", {}},
        {"-", {}},         {".", {}},        {"1e", {}},    {"1e+", {}},  {"1.2.3", {}},
        {"--1", {}},       {"1 2", {}},      {"1,000", {}}, {"0x10", {}}, {"e5", {}},
        {"1e400", {}},     {"-1e400", {}}};
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(ParseNumber(text), number) << '"' << text << '"';
    }
}

TEST(SaverNumberParse, LeadingNumberStopsWhereTheNumberEnds) {
    const std::pair<const char*, double> cases[] = {
        {"   12ab", 12.0}, {"12 34", 12.0},       {"1.2.3", 1.2},       {"-.5x", -0.5},
        {"1e3x", 1000.0},  {"7E-", 7.0},          {"1e400", kInfinity}, {"", 0.0},
        {"   ", 0.0},      {"abc", 0.0},          {"-", 0.0},           {"+.e1", 0.0},
        {":1234", 0.0},    {"-1e400", -kInfinity}};
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(ParseLeadingNumber(text), number) << '"' << text << '"';
    }
}

TEST(SaverRounding, HalvesGoToEvenRoundingDownGoesDownAndOverflowIsAnError) {
    // 32767.5 rounds to 32768, one past the largest 16-bit number.
    const std::pair<double, std::optional<int>> toInt16[] = {
        {2.5, 2},      {3.5, 4},           {-2.5, -2}, {0.5, 0},       {2.5000001, 3},
        {32767.5, {}}, {-32768.5, -32768}, {kNaN, {}}, {kInfinity, {}}};
    for (const auto& [value, rounded] : toInt16) {
        EXPECT_EQ(RoundToInt16(value), rounded) << value;
    }
    const std::pair<double, std::optional<int>> downToInt16[] = {
        {1.9, 1}, {-0.5, -1}, {32767.99, 32767}, {-32768.01, {}}, {kNaN, {}}, {kInfinity, {}}};
    for (const auto& [value, rounded] : downToInt16) {
        EXPECT_EQ(RoundDownToInt16(value), rounded) << value;
    }
    EXPECT_EQ(RoundToInt32(2147483647.5), std::nullopt);
    EXPECT_EQ(RoundToInt32(-2147483648.5), -2147483647 - 1);
}

TEST(SaverNumberText, BlankBeforeNonNegativeNumbersAndEmptyZeroForHashes) {
    EXPECT_EQ(NumberToText(0), " 0");
    EXPECT_EQ(NumberToText(-2147483647 - 1), "-2147483648");
    EXPECT_EQ(FormatHashPattern(0), "");
    EXPECT_EQ(FormatHashPattern(-5), "-5");
}

TEST(SaverText, WorksOnWholeCharacters) {
    EXPECT_EQ(UpperCaseAscii("曲ｗａｖ.Wav"), "曲ｗａｖ.WAV");
    EXPECT_EQ(LastCharacters("ab", 3), "ab");
    EXPECT_EQ(LastCharacters("曲.ｗａｖ", 3), "ｗａｖ");
    EXPECT_EQ(CharactersFrom("/p", 4), "");
    EXPECT_EQ(CharactersFrom("abc", 0), "abc");
    EXPECT_EQ(CharactersFrom("／p 12", 4), "12");
}

}  // namespace
