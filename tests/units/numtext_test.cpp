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

TEST(NumText, ToIntRoundsHalfEvenAndRefusesWhatDoesNotFit) {
    const std::vector<std::pair<double, std::optional<int>>> cases = {
        {2.5, 2},
        {-2.5, -2},
        {2147483647.0, kIntMax},
        {-2147483648.0, kIntMin},
        {-2147483648.5, kIntMin},      // ties to the even -2147483648
        {2147483647.5, std::nullopt},  // ties to 2147483648, one past the top
        {1e20, std::nullopt},
        {kInf, std::nullopt},
        {kNaN, std::nullopt}};
    for (const auto& [x, expected] : cases) {
        SCOPED_TRACE(x);
        EXPECT_EQ(to_int(x), expected);
    }
    EXPECT_EQ(to_int(text_value(std::string(400, '9'))), std::nullopt);
}

TEST(NumText, NumberText) {
    const std::vector<std::pair<double, std::string>> cases = {
        {600, " 600"},
        {0.5, " .5"},
        {0.19, " .19"},
        {-0.5, "-.5"},
        {-5, "-5"},
        {0, " 0"},
        {-0.0, " 0"},
        {0.1 + 0.2, " .3"},
        {158.75, " 158.75"},
        {1.0 / 3.0, " .333333333333333"},
        {999999999999999.0, " 999999999999999"},
        {1e15, " 1E+15"},
        {999999999999999.9, " 1E+15"},  // rounds up to 16 digits, so exponent form
        {1234567890123456.0, " 1.23456789012346E+15"},
        {1e20, " 1E+20"},
        {1e-5, " .00001"},
        {9.9e-6, " 9.9E-06"},
        {1.23e-300, " 1.23E-300"}};
    for (const auto& [x, expected] : cases) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(number_text(x), expected);
        const std::string without_blank = expected.front() == ' ' ? expected.substr(1) : expected;
        EXPECT_EQ(number_text_trimmed(x), without_blank);
    }
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
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE("\"" + text + "\"");
        EXPECT_EQ(text_value(text), expected);
    }
    // Digit strings beyond a double's range: huge ones are infinite, tiny ones zero.
    EXPECT_EQ(text_value(std::string(400, '9')), kInf);
    EXPECT_EQ(text_value("-" + std::string(400, '9')), -kInf);
    EXPECT_EQ(text_value("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(NumText, TrimmedRemovesOnlyOuterBlanks) {
    EXPECT_EQ(trimmed("  a b  "), "a b");
    EXPECT_EQ(trimmed(" 600"), "600");
    EXPECT_EQ(trimmed("    "), "");
}

}  // namespace
}  // namespace welkin
