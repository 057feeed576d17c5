#include "units/imperial.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "units/numtext.h"

namespace welkin {
namespace {

// Accepted inputs, compared by value since the two paths differ in the
// leading blank of their number text.
TEST(ParseImperial, AcceptedFormsGiveMillimetres) {
    const std::vector<std::pair<std::string, double>> cases = {
        {"", 0},
        {"   ", 0},
        {"6.25", 158.75},
        {".5", 12.7},
        {"1 .5", 38.1},
        {"1/4", 6.35},
        {"3 9\\16", 90.4875},
        {"6' 10 1/2", 2095.5},
        {"6'10 1/2", 2095.5},
        {"5'", 1524},
        {"5'1/2", 1536.7},
        {"5/4", 31.75},
        {"  6'   10   1/2 ", 2095.5},
        {"0/2", 0},
        {"1' 0", 304.8},
        {"12", 304.8},
    };
    for (const auto& [text, mm] : cases) {
        const ImperialParse p = parse_imperial(text);
        EXPECT_EQ(p.measure_error, "") << text;
        EXPECT_EQ(number_text(text_value(p.result)), number_text(mm)) << text;
    }
    EXPECT_EQ(parse_imperial("").result, "0");
    EXPECT_EQ(parse_imperial("6.25").result, "158.75");  // decimal inches: trimmed
    EXPECT_EQ(parse_imperial("5'").result, " 1524");     // feet and inches: with its blank
}

TEST(ParseImperial, EachRuleReportsItsMessage) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"5  6", "Fraction must contain a slash"},
        {"5 6 1/2", "Multiple spaces but no foot symbol   OR   spaces in fraction"},
        {"'x", "Foot symbol without any feet"},
        {"'5", "Foot symbol without any feet"},
        {"6\"", "Invalid Character"},
        {"-5", "Invalid Character"},
        {"5\t6", "Invalid Character"},
        {"1.2.3", "More than one dot"},
        {"1/2/4", "More than one slash"},
        {"5''", "More than one ' (foot) symbol"},
        {"1.5/2", "Fractions not allowed in decimal inches mode"},
        {"1.5'", "Feet not allowed in decimal inches mode and vice versa"},
        {"/", "slash not allowed at end of field"},
        {"/2", "slash not allowed at start of field"},
        {"5/", "slash not allowed at end of field"},
        {"05'", "Invalid feet"},
        {"5 '6", "Invalid feet"},
        {"07", "Invalid whole inches or spaces in fraction"},
        {"5'6 /2", "Fraction not correctly specified or contains spaces"},
        {"5'6 1 /2", "Fraction cannot contain spaces"},
        {"5'/2", "Fraction not correctly specified or contains spaces"},
        {"5'6 7", "Fraction must contain a slash"},
        {"01/2", "Invalid Upper fraction"},
        {"3/3", "Allowable fractions are 1/2 1/4 1/8 1/16"},
        {"01/3", "Allowable fractions are 1/2 1/4 1/8 1/16"},
        {"1/32", "Allowable fractions are 1/2 1/4 1/8 1/16"},
    };
    for (const auto& [text, message] : cases) {
        const ImperialParse p = parse_imperial(text);
        EXPECT_EQ(p.measure_error, message) << text;
        EXPECT_EQ(p.result, "ERR") << text;
    }
}

TEST(FormatImperial, FeetInchesAndDecimalInches) {
    struct Case {
        std::string mm, feet_inches, decimal;
    };
    const std::vector<Case> cases = {
        {"5", "3/16", " .19"},         {"13", "1/2", " .51"},    {"25", "1", " .98"},
        {"300", "11 13/16", " 11.81"}, {"305", "1' ", " 12"},    {"600", "1' 11 5/8", " 23.62"},
        {"1524", "5' ", " 60"},        {"0", "0", " 0"},         {"1", "0", " .03"},
        {"318", "1' 1/2", " 12.51"},   {"3.175", "1/8", " .12"}, {"", "0", "0"},
    };
    for (const Case& c : cases) {
        const ImperialFormat f = format_imperial(c.mm);
        EXPECT_EQ(f.feet_inches, c.feet_inches) << c.mm;
        EXPECT_EQ(f.decimal_inches, c.decimal) << c.mm;
        EXPECT_EQ(f.measure_error, "") << c.mm;
    }
}

TEST(FormatImperial, RefusesAnythingButDigitsAndPoints) {
    for (const std::string& text :
         std::vector<std::string>{"-5", "1E+20", "12a", std::string(400, '9')}) {
        const ImperialFormat f = format_imperial(text);
        EXPECT_EQ(f.feet_inches, "ERR") << text;
        EXPECT_EQ(f.decimal_inches, "ERR") << text;
        EXPECT_FALSE(f.measure_error.empty()) << text;
    }
    EXPECT_EQ(format_imperial("-5").measure_error, "Invalid character");
}

TEST(ParseImperial, OverlongDecimalIsRefusedNotInfinite) {
    const ImperialParse p = parse_imperial(std::string(400, '9') + ".");
    EXPECT_EQ(p.result, "ERR");
    EXPECT_FALSE(p.measure_error.empty());
}

// Formatting to the nearest sixteenth and reading the text back lands within
// half a sixteenth of the decimal inches the formatter shows beside it.
TEST(ImperialRoundTrip, FeetInchesTextReadsBackWithinHalfASixteenth) {
    for (int mm = 0; mm <= 100000; ++mm) {
        const ImperialFormat f = format_imperial_mm(mm);
        const ImperialParse p = parse_imperial(f.feet_inches);
        ASSERT_EQ(p.measure_error, "") << mm << " -> " << f.feet_inches;
        const double back_inches = text_value(p.result) / mm_per_inch;
        ASSERT_LE(std::fabs(back_inches - text_value(f.decimal_inches)), 1.0 / 32 + 1e-9)
            << mm << " -> " << f.feet_inches;
    }
}

}  // namespace
}  // namespace welkin
