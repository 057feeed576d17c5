#include "units/numtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace welkin {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

TEST(NumText, RoundingRules) {
    struct Case {
        double x, floor, half_up, half_even;
    };
    const std::vector<Case> cases = {{2.5, 2, 3, 2},     {-2.5, -3, -2, -2}, {1.5, 1, 2, 2},
                                     {-1.5, -2, -1, -2}, {0.5, 0, 1, 0},     {-0.5, -1, 0, 0},
                                     {3.5, 3, 4, 4},     {2.4999, 2, 2, 2},  {2.6, 2, 3, 3},
                                     {-2.6, -3, -3, -3}, {-0.2, -1, 0, 0},   {7, 7, 7, 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(int_floor(c.x), c.floor);
        EXPECT_EQ(round_half_up(c.x), c.half_up);
        EXPECT_EQ(round_half_even(c.x), c.half_even);
    }
}

// Scaled by the power of ten, rounded, scaled back: 2.25 x 10 = 22.5 rounds
// up to 23, -2.25 x 10 = -22.5 up to -22; .00346 floors to .0034, -.00346 to -.0035.
TEST(NumText, RoundingToDecimals) {
    struct Case {
        const char* name;
        double x;
        int decimals;
        double half_up, floor;
    };
    const Case cases[] = {{"tie up", 2.25, 1, 2.3, 2.2},
                          {"negative tie", -2.25, 1, -2.2, -2.3},
                          {"depth unit", 57.666, 1, 57.7, 57.6},
                          {"volume", 0.00346, 4, 0.0035, 0.0034},
                          {"negative volume", -0.00346, 4, -0.0035, -0.0035},
                          {"whole", 7, 2, 7, 7},
                          {"no decimals", 2.5, 0, 3, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(round_half_up_to_decimals(c.x, c.decimals), c.half_up);
        EXPECT_EQ(floor_to_decimals(c.x, c.decimals), c.floor);
    }
}

// -2147483648.5 ties to the even -2147483648; 2147483647.5 ties to
// 2147483648, one past the top.
TEST(NumText, ToIntRoundsHalfEvenAndRefusesWhatDoesNotFit) {
    const std::pair<double, int> fits[] = {{2.5, 2},
                                           {-2.5, -2},
                                           {2147483647.0, kIntMax},
                                           {-2147483648.0, kIntMin},
                                           {-2147483648.5, kIntMin}};
    for (const auto& [x, expected] : fits) EXPECT_EQ(to_int(x), expected) << x;
    for (const double x : {2147483647.5, 1e20, kInf, kNaN, text_value(std::string(400, '9'))})
        EXPECT_EQ(to_int(x), std::nullopt) << x;
}

// The trimmed text is the same without the blank a positive number leads with;
// 999999999999999.9 rounds up to 16 digits, so takes the exponent form.
TEST(NumText, NumberText) {
    const std::pair<double, std::string> cases[] = {
        {0, " 0"},        {0.1 + 0.2, " .3"},
        {-5, "-5"},       {158.75, " 158.75"},
        {0.5, " .5"},     {1.0 / 3.0, " .333333333333333"},
        {-0.0, " 0"},     {999999999999999.0, " 999999999999999"},
        {600, " 600"},    {1234567890123456.0, " 1.23456789012346E+15"},
        {-0.5, "-.5"},    {1e-5, " .00001"},
        {0.19, " .19"},   {9.9e-6, " 9.9E-06"},
        {1e15, " 1E+15"}, {1.23e-300, " 1.23E-300"},
        {1e20, " 1E+20"}, {999999999999999.9, " 1E+15"},
        // Whole numbers take a shorter road; its ends must agree with the long one.
        {-4200, "-4200"}, {100000, " 100000"}, {-999999999999999.0, "-999999999999999"},
        {-1e15, "-1E+15"}, {1e14, " 100000000000000"}, {3.0000000000000004, " 3"}};
    for (const auto& [x, expected] : cases) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(number_text(x), expected);
        EXPECT_EQ(number_text_trimmed(x), expected.substr(expected.front() == ' ' ? 1 : 0));
    }
    EXPECT_EQ(trimmed("  a b  "), "a b");
    EXPECT_EQ(trimmed("    "), "");
}

TEST(NumText, DecimalTextRoundsHalfUpAndKeepsItsPlaces) {
    struct Row {
        double x;
        int decimals;
        const char* expected;
    };
    const Row rows[] = {{0.10549346858814809, 3, "0.105"},
                        {0.0005, 3, "0.001"},
                        {-0.0004, 3, "0.000"},
                        {2.5, 0, "3"},
                        {-1.5, 1, "-1.5"},
                        {-1.25, 1, "-1.2"},  // half up, towards +infinity
                        {12, 2, "12.00"},
                        {-19.3374, 3, "-19.337"},
                        {5, 40, "5.000000000000000"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(decimal_text(row.x, row.decimals), row.expected);
    }
    EXPECT_EQ(decimal_text(std::nan(""), 2), "nan");
    // The largest doubles are written out in full, every digit of them.
    const std::string huge = decimal_text(1e300, 3);
    EXPECT_EQ(huge.size(), 305u);
    EXPECT_EQ(huge.substr(0, 20), "10000000000000000525");
    EXPECT_EQ(huge.substr(huge.size() - 4), ".000");
}

TEST(NumText, TextValue) {
    const std::vector<std::pair<std::string, double>> cases = {
        {"7", 7},    {" 7", 7},     {"  -12.25", -12.25},
        {"+3", 3},   {"-.5", -0.5}, {".5", 0.5},
        {"5.", 5},   {"1 .5", 1.5}, {"1 2", 12},
        {"- 5", -5}, {"12abc", 12}, {"7.5.3", 7.5},
        {"1e5", 1},  {"1,5", 1},    {"+-5", 0},
        {"abc", 0},  {"", 0},       {".", 0},
        {"-", 0},    {"   ", 0},    {"99999999999999999999", 1e20}};
    for (const auto& [text, expected] : cases) EXPECT_EQ(text_value(text), expected) << text;
    // Digit strings beyond a double's range: huge ones are infinite, tiny ones zero.
    EXPECT_EQ(text_value(std::string(400, '9')), kInf);
    EXPECT_EQ(text_value("-" + std::string(400, '9')), -kInf);
    EXPECT_EQ(text_value("0." + std::string(400, '0') + "1"), 0.0);
}

}  // namespace
}  // namespace welkin
