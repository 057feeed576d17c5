#include "units/imperial.h"

#include <cmath>
#include <cstddef>

#include "units/numtext.h"

namespace welkin {

namespace {

constexpr std::string_view msg_foot_first = "Foot symbol without any feet";
constexpr std::string_view msg_invalid_char = "Invalid Character";
constexpr std::string_view msg_dots = "More than one dot";
constexpr std::string_view msg_slashes = "More than one slash";
constexpr std::string_view msg_feet_marks = "More than one ' (foot) symbol";
constexpr std::string_view msg_point_and_slash = "Fractions not allowed in decimal inches mode";
constexpr std::string_view msg_point_and_foot =
    "Feet not allowed in decimal inches mode and vice versa";
constexpr std::string_view msg_slash_start = "slash not allowed at start of field";
constexpr std::string_view msg_slash_end = "slash not allowed at end of field";
constexpr std::string_view msg_spaces_no_feet =
    "Multiple spaces but no foot symbol   OR   spaces in fraction";
constexpr std::string_view msg_feet = "Invalid feet";
constexpr std::string_view msg_inches = "Invalid whole inches or spaces in fraction";
constexpr std::string_view msg_fraction_spaces = "Fraction cannot contain spaces";
constexpr std::string_view msg_fraction_form =
    "Fraction not correctly specified or contains spaces";
constexpr std::string_view msg_fraction_slash = "Fraction must contain a slash";
constexpr std::string_view msg_numerator = "Invalid Upper fraction";
constexpr std::string_view msg_denominator = "Allowable fractions are 1/2 1/4 1/8 1/16";
constexpr std::string_view msg_format_char = "Invalid character";
// Only text far longer than any length (hundreds of digits) gets here.
constexpr std::string_view msg_too_large = "Number too large";

constexpr char foot_mark = '\'';

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// True when the text is exactly how the program writes its own value: a
// plain whole number without leading zeros or blanks.
bool is_plain_number(std::string_view text) {
    return text == number_text_trimmed(text_value(text));
}

std::string collapse_spaces(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == ' ' && !out.empty() && out.back() == ' ') continue;
        out.push_back(c);
    }
    return out;
}

struct Counts {
    int points = 0;
    int slashes = 0;
    int feet = 0;
    int spaces = 0;
    bool invalid = false;
};

Counts scan(std::string_view text) {
    Counts n;
    for (const char c : text) {
        switch (c) {
            case '.': ++n.points; break;
            case '/': ++n.slashes; break;
            case foot_mark: ++n.feet; break;
            case ' ': ++n.spaces; break;
            default:
                if (!is_digit(c)) n.invalid = true;
        }
    }
    return n;
}

std::string_view first_failed_count_rule(const Counts& n) {
    if (n.points > 1) return msg_dots;
    if (n.slashes > 1) return msg_slashes;
    if (n.feet > 1) return msg_feet_marks;
    if (n.points == 1 && n.slashes == 1) return msg_point_and_slash;
    if (n.points == 1 && n.feet == 1) return msg_point_and_foot;
    return {};
}

// Millimetres to the fifteen significant digits the program shows a
// number with, so that a typed length and its text agree exactly.
double shown_mm(double inches, std::string& error) {
    const double mm = inches * mm_per_inch;
    if (!std::isfinite(mm)) {
        error = msg_too_large;
        return 0;
    }
    return text_value(number_text(mm));
}

// Feet, whole inches and a fraction, the text already free of points.
double parse_feet_inches(const std::string& s, const Counts& n, std::string& error) {
    const std::size_t slash = s.find('/');
    if (slash != std::string::npos) {
        if (slash == 0) error = msg_slash_start;
        if (slash == s.size() - 1) error = msg_slash_end;  // a lone slash ends here
        if (!error.empty()) return 0;
    }

    std::string feet;
    std::string rest;
    if (const std::size_t p = s.find(foot_mark); p != std::string::npos) {
        feet = s.substr(0, p);
        rest = trimmed(std::string_view(s).substr(p + 1));
    } else {
        rest = s;
        if (n.spaces > 1) error = msg_spaces_no_feet;
    }
    if (!feet.empty() && !is_plain_number(feet)) error = msg_feet;

    std::string inches;
    std::string fraction;
    if (error.empty() && !rest.empty()) {
        if (const std::size_t sp = rest.find(' '); sp != std::string::npos) {
            inches = trimmed(std::string_view(rest).substr(0, sp));
            fraction = rest.substr(sp + 1);
        } else if (rest.find('/') != std::string::npos) {
            fraction = rest;
        } else {
            inches = rest;
        }
        if (!inches.empty() && !is_plain_number(inches)) error = msg_inches;
        if (error.empty() && !fraction.empty()) {
            // Each test overwrites the one before; the last that holds is reported.
            if (fraction.find(' ') != std::string::npos) error = msg_fraction_spaces;
            if (fraction.front() == '/') error = msg_fraction_form;
            if (fraction.find('/') == std::string::npos) error = msg_fraction_slash;
        }
    }

    std::string numerator;
    std::string denominator;
    if (error.empty() && !fraction.empty()) {
        const std::size_t fs = fraction.find('/');
        numerator = fraction.substr(0, fs);
        denominator = trimmed(std::string_view(fraction).substr(fs + 1));
        if (!numerator.empty() && !is_plain_number(numerator)) error = msg_numerator;
        if (denominator != "2" && denominator != "4" && denominator != "8" && denominator != "16") {
            error = msg_denominator;
        }
    }
    if (!error.empty()) return 0;

    const double d = text_value(denominator);
    double length = text_value(feet) * 12 + text_value(inches);
    if (d >= 1) length += text_value(numerator) / d;
    return shown_mm(length, error);
}

}  // namespace

Result<double> parse_imperial(std::string_view text) {
    std::string s = trimmed(text);
    if (s.empty()) return 0.0;
    for (char& c : s) {
        if (c == '\\') c = '/';
    }
    s = collapse_spaces(s);

    std::string error;
    double mm = 0;
    if (s.front() == foot_mark) {
        error = msg_foot_first;
    } else {
        const Counts n = scan(s);
        if (n.invalid) {
            error = msg_invalid_char;
        } else if (const std::string_view rule = first_failed_count_rule(n); !rule.empty()) {
            error = rule;
        } else if (n.points == 1) {
            mm = shown_mm(text_value(s), error);
        } else {
            mm = parse_feet_inches(s, n, error);
        }
    }
    if (!error.empty()) return Result<double>::failure(std::move(error));
    return mm;
}

ImperialFormat format_imperial(std::string_view mm_text_in) {
    ImperialFormat out;
    const std::string s = trimmed(mm_text_in);
    if (s.empty()) {
        out.feet_inches = "0";
        out.decimal_inches = "0";
        return out;
    }
    for (const char c : s) {
        if (!is_digit(c) && c != '.') out.measure_error = msg_format_char;
    }
    const double inches = text_value(s) / mm_per_inch;
    if (out.measure_error.empty() && !std::isfinite(inches * 100)) {
        out.measure_error = msg_too_large;
    }
    if (!out.measure_error.empty()) {
        out.feet_inches = imperial_error_text;
        out.decimal_inches = imperial_error_text;
        return out;
    }

    const double decimal = int_floor(inches * 100) / 100;
    out.decimal_inches = number_text(decimal);

    double whole = int_floor(decimal);
    const double frac = decimal - whole;
    double numerator = 0;
    double denominator = 1;
    if (frac > 0) {
        // Nearest sixteenth, reduced by re-rounding at each coarser step
        // while the numerator stays even.
        denominator = 16;
        numerator = round_half_up(frac * 16);
        for (const double step : {8.0, 4.0, 2.0}) {
            if (std::fmod(numerator, 2.0) != 0) break;
            denominator = step;
            numerator = round_half_up(frac * step);
        }
        if (denominator == 2 && numerator == 2) {
            whole += 1;
            numerator = 0;
        }
    }
    double feet = 0;
    if (whole > 0) {
        feet = int_floor(whole / 12);
        whole -= 12 * feet;
    }

    std::string text;
    if (feet != 0) text += number_text_trimmed(feet) + "' ";
    if (whole != 0) text += number_text_trimmed(whole);
    if (numerator != 0) {
        if (whole != 0) text += ' ';
        text += number_text_trimmed(numerator) + "/" + number_text_trimmed(denominator);
    }
    out.feet_inches = text.empty() ? "0" : text;
    return out;
}

ImperialFormat format_imperial_mm(double mm) {
    return format_imperial(number_text_trimmed(mm));
}

}  // namespace welkin
