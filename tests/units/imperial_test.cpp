#include "units/imperial.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "units/numtext.h"

namespace welkin {
namespace {

// Each input with the millimetres it gives, as number text (both paths differ
// in the leading blank of theirs), or with the message that refuses it.
TEST(ParseImperial, EachFormGivesMillimetresOrItsMessage) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {" 0", {"", "   ", "0/2"}},
        {" 158.75", {"6.25"}},
        {" 12.7", {".5"}},
        {" 38.1", {"1 .5"}},
        {" 6.35", {"1/4"}},
        {" 90.4875", {"3 9\\16"}},
        {" 2095.5", {"6' 10 1/2", "6'10 1/2", "  6'   10   1/2 "}},
        {" 1524", {"5'"}},
        {" 1536.7", {"5'1/2"}},
        {" 31.75", {"5/4"}},
        {" 304.8", {"1' 0", "12"}},
        {"Fraction must contain a slash", {"5  6", "5'6 7"}},
        {"Multiple spaces but no foot symbol   OR   spaces in fraction", {"5 6 1/2"}},
        {"Foot symbol without any feet", {"'x", "'5"}},
        {"Invalid Character", {"6\"", "-5", "5\t6"}},
        {"More than one dot", {"1.2.3"}},
        {"More than one slash", {"1/2/4"}},
        {"More than one ' (foot) symbol", {"5''"}},
        {"Fractions not allowed in decimal inches mode", {"1.5/2"}},
        {"Feet not allowed in decimal inches mode and vice versa", {"1.5'"}},
        {"slash not allowed at end of field", {"/", "5/"}},
        {"slash not allowed at start of field", {"/2"}},
        {"Invalid feet", {"05'", "5 '6"}},
        {"Invalid whole inches or spaces in fraction", {"07"}},
        {"Fraction not correctly specified or contains spaces", {"5'6 /2", "5'/2"}},
        {"Fraction cannot contain spaces", {"5'6 1 /2"}},
        {"Invalid Upper fraction", {"01/2"}},
        {"Allowable fractions are 1/2 1/4 1/8 1/16", {"3/3", "01/3", "1/32"}},
        {"Number too large", {std::string(400, '9') + "."}}};  // refused, not infinite
    for (const auto& [expected, texts] : cases) {
        const bool refused = expected.front() != ' ';
        for (const std::string& text : texts) {
            const Result<double> mm = parse_imperial(text);
            EXPECT_EQ(refused ? mm.message() : number_text(*mm), expected) << text;
            EXPECT_EQ(mm.ok(), !refused) << text;
        }
    }
    // 1/16 inch is 1.5875 mm exactly in decimals; the value is that decimal,
    // not the nearest double to 0.0625 x 25.4.
    EXPECT_EQ(parse_imperial("1/16").value(), 1.5875);
}

// Anything but digits and points is refused, as is a length too large to show.
TEST(FormatImperial, FeetInchesAndDecimalInches) {
    const struct {
        std::string mm, feet_inches, decimal;
    } cases[] = {{"5", "3/16", " .19"},    {"13", "1/2", " .51"},
                 {"25", "1", " .98"},      {"300", "11 13/16", " 11.81"},
                 {"305", "1' ", " 12"},    {"600", "1' 11 5/8", " 23.62"},
                 {"1524", "5' ", " 60"},   {"0", "0", " 0"},
                 {"1", "0", " .03"},       {"318", "1' 1/2", " 12.51"},
                 {"3.175", "1/8", " .12"}, {"", "0", "0"},
                 {"-5", "ERR", "ERR"},     {"1E+20", "ERR", "ERR"},
                 {"12a", "ERR", "ERR"},    {std::string(400, '9'), "ERR", "ERR"}};
    for (const auto& c : cases) {
        const ImperialFormat f = format_imperial(c.mm);
        EXPECT_EQ(f.feet_inches, c.feet_inches) << c.mm;
        EXPECT_EQ(f.decimal_inches, c.decimal) << c.mm;
        EXPECT_EQ(f.measure_error.empty(), c.decimal != "ERR") << c.mm;
    }
    EXPECT_EQ(format_imperial("-5").measure_error, "Invalid character");
}

// Formatting to the nearest sixteenth and reading the text back lands within
// half a sixteenth of the decimal inches the formatter shows beside it.
TEST(ImperialRoundTrip, FeetInchesTextReadsBackWithinHalfASixteenth) {
    for (int mm = 0; mm <= 100000; ++mm) {
        const ImperialFormat f = format_imperial_mm(mm);
        const Result<double> back = parse_imperial(f.feet_inches);
        ASSERT_EQ(back.message(), "") << mm << " -> " << f.feet_inches;
        const double back_inches = *back / mm_per_inch;
        ASSERT_LE(std::fabs(back_inches - text_value(f.decimal_inches)), 1.0 / 32 + 1e-9)
            << mm << " -> " << f.feet_inches;
    }
}

}  // namespace
}  // namespace welkin
