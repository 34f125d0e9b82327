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

TEST(SaverNumberParse, FullConversionTakesBlanksSignPointAndExponentOnly) {
    EXPECT_EQ(ParseNumber(" 7 "), 7.0);
    EXPECT_EQ(ParseNumber("\t-0.5"), -0.5);
    EXPECT_EQ(ParseNumber("+.5"), 0.5);
    EXPECT_EQ(ParseNumber("4."), 4.0);
    EXPECT_EQ(ParseNumber("2.5E-1"), 0.25);
    EXPECT_EQ(ParseNumber("-1e+2"), -100.0);
    EXPECT_EQ(ParseNumber("1e-400"), 0.0);  // too small for a double: 0, not an error
    for (const char* text : {"", " ", "abc", "-", ".", "1e", "1e+", "1.2.3", "--1", "1 2", "1,000",
                             "0x10", "e5", "1e400", "-1e400"}) {
        EXPECT_EQ(ParseNumber(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(SaverNumberParse, LeadingNumberStopsWhereTheNumberEnds) {
    EXPECT_EQ(ParseLeadingNumber("   12ab"), 12.0);
    EXPECT_EQ(ParseLeadingNumber("12 34"), 12.0);
    EXPECT_EQ(ParseLeadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(ParseLeadingNumber("-.5x"), -0.5);
    EXPECT_EQ(ParseLeadingNumber("1e3x"), 1000.0);
    EXPECT_EQ(ParseLeadingNumber("7E-"), 7.0);
    EXPECT_EQ(ParseLeadingNumber("1e400"), kInfinity);
    for (const char* text : {"", "   ", "abc", "-", "+.e1", ":1234"}) {
        EXPECT_EQ(ParseLeadingNumber(text), 0.0) << '"' << text << '"';
    }
}

TEST(SaverRounding, HalvesGoToEvenAndOverflowIsAnError) {
    EXPECT_EQ(RoundToInt16(2.5), 2);
    EXPECT_EQ(RoundToInt16(3.5), 4);
    EXPECT_EQ(RoundToInt16(-2.5), -2);
    EXPECT_EQ(RoundToInt16(0.5), 0);
    EXPECT_EQ(RoundToInt16(2.5000001), 3);
    EXPECT_EQ(RoundToInt16(32767.5), std::nullopt);  // rounds to 32768
    EXPECT_EQ(RoundToInt16(-32768.5), -32768);
    EXPECT_EQ(RoundToInt32(2147483647.5), std::nullopt);
    EXPECT_EQ(RoundToInt32(-2147483648.5), -2147483647 - 1);
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), kInfinity}) {
        EXPECT_EQ(RoundToInt16(bad), std::nullopt);
        EXPECT_EQ(RoundToInt32(bad), std::nullopt);
        EXPECT_EQ(RoundDownToInt16(bad), std::nullopt);
    }
}

TEST(SaverRounding, RoundingDownGoesTowardsMinusInfinity) {
    EXPECT_EQ(RoundDownToInt16(1.9), 1);
    EXPECT_EQ(RoundDownToInt16(-0.5), -1);
    EXPECT_EQ(RoundDownToInt16(32767.99), 32767);
    EXPECT_EQ(RoundDownToInt16(-32768.01), std::nullopt);
}

TEST(SaverNumberText, BlankBeforeNonNegativeNumbersAndEmptyZeroForHashes) {
    EXPECT_EQ(NumberToText(0), " 0");
    EXPECT_EQ(NumberToText(2), " 2");
    EXPECT_EQ(NumberToText(-2147483647 - 1), "-2147483648");
    EXPECT_EQ(FormatHashPattern(0), "");
    EXPECT_EQ(FormatHashPattern(345), "345");
    EXPECT_EQ(FormatHashPattern(-5), "-5");
}

TEST(SaverText, WorksOnWholeCharacters) {
    EXPECT_EQ(UpperCaseAscii("曲ｗａｖ.Mp3"), "曲ｗａｖ.MP3");
    EXPECT_EQ(LastCharacters("ab", 3), "ab");
    EXPECT_EQ(LastCharacters("曲.ｗａｖ", 3), "ｗａｖ");
    EXPECT_EQ(CharactersFrom("/p", 4), "");
    EXPECT_EQ(CharactersFrom("abc", 0), "abc");
    EXPECT_EQ(CharactersFrom("／p 12", 4), "12");
}

}  // namespace
