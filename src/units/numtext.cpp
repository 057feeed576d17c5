#include "units/numtext.h"

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
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits significant_digits(double magnitude) {
    std::array<char, 64> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                                   std::chars_format::scientific, 14);
    const std::string_view text(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
    const std::size_t e_pos = text.find('e');
    Digits d;
    for (const char c : text.substr(0, e_pos)) {
        if (c != '.') d.digits.push_back(c);
    }
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    std::string_view exp_text = text.substr(e_pos + 1);
    if (!exp_text.empty() && exp_text.front() == '+') exp_text.remove_prefix(1);
    std::from_chars(exp_text.data(), exp_text.data() + exp_text.size(), d.exponent);
    return d;
}

std::string fixed_form(const Digits& d) {
    const auto count = static_cast<int>(d.digits.size());
    if (d.exponent < 0) {
        return "." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    }
    if (count <= d.exponent + 1) {
        return d.digits + std::string(static_cast<std::size_t>(d.exponent + 1 - count), '0');
    }
    const auto point = static_cast<std::size_t>(d.exponent + 1);
    return d.digits.substr(0, point) + "." + d.digits.substr(point);
}

std::string exponent_form(const Digits& d) {
    std::string out = d.digits.substr(0, 1);
    if (d.digits.size() > 1) out += "." + d.digits.substr(1);
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
    const Digits d = significant_digits(std::fabs(x));
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

std::string trimmed(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && text[begin] == ' ') ++begin;
    while (end > begin && text[end - 1] == ' ') --end;
    return std::string(text.substr(begin, end - begin));
}

}  // namespace welkin
