#include "units/numtext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace welkin {

double int_floor(double x) {
    return std::floor(x);
}

double round_half_up(double x) {
    return std::floor(x + 0.5);
}

double round_half_even(double x) {
    const double lower = std::floor(x);
    const double diff = x - lower;
    if (diff < 0.5) return lower;
    if (diff > 0.5) return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

namespace {

// 10^decimals, exact: every power of ten up to 10^22 is a double.
double power_of_ten(int decimals) {
    double scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    return scale;
}

}  // namespace

double round_half_up_to_decimals(double x, int decimals) {
    const double scale = power_of_ten(decimals);
    return round_half_up(x * scale) / scale;
}

double floor_to_decimals(double x, int decimals) {
    const double scale = power_of_ten(decimals);
    return int_floor(x * scale) / scale;
}

std::optional<int> to_int(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    const double r = round_half_even(x);
    if (r < static_cast<double>(std::numeric_limits<int>::min()) ||
        r > static_cast<double>(std::numeric_limits<int>::max())) {
        return std::nullopt;
    }
    return static_cast<int>(r);
}

namespace {

// Significant digits (no trailing zeros) and the decimal exponent of the
// first digit, after rounding to 15 significant digits.
// Every report writes thousands of numbers, so this stays off the heap.
struct Digits {
    std::array<char, 16> buffer{};
    std::size_t count = 0;
    int exponent = 0;
    std::string_view digits() const { return {buffer.data(), count}; }
};

Digits significant_digits(double magnitude) {
    std::array<char, 32> text{};  // d.ddddddddddddddde+ddd at most
    const auto res = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                   std::chars_format::scientific, 14);
    Digits d;
    const char* p = text.data();
    for (; p != res.ptr && *p != 'e'; ++p) {
        if (*p != '.') d.buffer[d.count++] = *p;
    }
    while (d.count > 1 && d.buffer[d.count - 1] == '0') --d.count;
    if (p != res.ptr) ++p;  // past the 'e'
    if (p != res.ptr && *p == '+') ++p;
    std::from_chars(p, res.ptr, d.exponent);
    return d;
}

std::string fixed_form(const Digits& d) {
    const std::string_view digits = d.digits();
    const auto count = static_cast<int>(digits.size());
    std::string out;
    if (d.exponent < 0) {
        out.assign(1, '.');
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out.append(digits);
    } else if (count <= d.exponent + 1) {
        out.assign(digits);
        out.append(static_cast<std::size_t>(d.exponent + 1 - count), '0');
    } else {
        const auto point = static_cast<std::size_t>(d.exponent + 1);
        out.assign(digits.substr(0, point));
        out.push_back('.');
        out.append(digits.substr(point));
    }
    return out;
}

std::string exponent_form(const Digits& d) {
    const std::string_view digits = d.digits();
    std::string out(digits.substr(0, 1));
    if (digits.size() > 1) out.append(".").append(digits.substr(1));
    const int e = d.exponent;
    const std::string e_digits = std::to_string(e < 0 ? -e : e);
    out += e < 0 ? "E-" : "E+";
    if (e_digits.size() < 2) out += "0";
    return out + e_digits;
}

}  // namespace

std::string number_text_trimmed(double x) {
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x < 0 ? "-Infinity" : "Infinity";
    if (x == 0.0) return "0";
    const double magnitude = std::fabs(x);
    if (magnitude < 1e15 && magnitude == std::floor(magnitude)) {
        // A whole number of at most 15 digits is its own significant digits.
        std::array<char, 24> text{};
        char* end = text.data();
        if (x < 0) *end++ = '-';
        end = std::to_chars(end, text.data() + text.size(), static_cast<long long>(magnitude)).ptr;
        return std::string(text.data(), end);
    }
    const Digits d = significant_digits(magnitude);
    // Very large and very small magnitudes switch to exponent form, as a
    // fixed form would need more than 15 digits to say the same.
    const bool fixed = d.exponent >= -5 && d.exponent < 15;
    const std::string body = fixed ? fixed_form(d) : exponent_form(d);
    return x < 0 ? "-" + body : body;
}

std::string number_text(double x) {
    const std::string body = number_text_trimmed(x);
    return body.front() == '-' ? body : " " + body;
}

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

double text_value(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && is_blank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string number;
    bool seen_point = false;
    bool seen_digit = false;
    bool whole_part_nonzero = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (is_blank(c)) continue;
        if (is_digit(c)) {
            seen_digit = true;
            if (!seen_point && c != '0') whole_part_nonzero = true;
            number.push_back(c);
        } else if (c == '.' && !seen_point) {
            seen_point = true;
            number.push_back(c);
        } else {
            break;
        }
    }
    if (!seen_digit) return 0.0;
    double value = 0.0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), value,
                                     std::chars_format::fixed);
    if (res.ec == std::errc::result_out_of_range) {
        // Too many digits for a double: huge when the whole part has any, else tiny.
        value = whole_part_nonzero ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

std::string decimal_text(double x, int decimals) {
    if (!std::isfinite(x)) return x != x ? "nan" : (x > 0 ? "inf" : "-inf");
    const int places = std::clamp(decimals, 0, 15);
    double rounded = round_half_up_to_decimals(x, places);
    if (!std::isfinite(rounded)) rounded = x;  // too large to scale: already whole
    if (rounded == 0) rounded = 0;              // no "-0.00"
    std::array<char, 400> buffer{};  // room for the largest double in full
    const auto res = std::to_chars(buffer.data(), buffer.data() + buffer.size(), rounded,
                                   std::chars_format::fixed, places);
    return std::string(buffer.data(), res.ptr);
}

std::string trimmed(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && text[begin] == ' ') ++begin;
    while (end > begin && text[end - 1] == ' ') --end;
    return std::string(text.substr(begin, end - begin));
}

}  // namespace welkin
