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

// A feet-inches text in its parts: feet ' whole-inches numerator/denominator.
struct FeetInchesText {
    std::string feet;
    std::string rest;  // after the foot mark, or the whole text without one
    std::string inches;
    std::string fraction;
    std::string numerator;
    std::string denominator;
};

// A lone slash is both first and last; the end rule is the one reported.
std::string_view slash_error(const std::string& s) {
    const std::size_t slash = s.find('/');
    if (slash == std::string::npos) return {};
    if (slash == s.size() - 1) return msg_slash_end;
    if (slash == 0) return msg_slash_start;
    return {};
}

// The feet before the foot mark; without one, more than one space is refused.
std::string_view split_feet(const std::string& s, const Counts& n, FeetInchesText& p) {
    if (const std::size_t at = s.find(foot_mark); at != std::string::npos) {
        p.feet = s.substr(0, at);
        p.rest = trimmed(std::string_view(s).substr(at + 1));
    } else {
        p.rest = s;
        if (n.spaces > 1) return msg_spaces_no_feet;
    }
    if (!p.feet.empty() && !is_plain_number(p.feet)) return msg_feet;
    return {};
}

// Whole inches, then a fraction after a space or standing alone.
std::string_view split_inches(FeetInchesText& p) {
    if (p.rest.empty()) return {};
    const std::string& rest = p.rest;
    if (const std::size_t sp = rest.find(' '); sp != std::string::npos) {
        p.inches = trimmed(std::string_view(rest).substr(0, sp));
        p.fraction = rest.substr(sp + 1);
    } else if (rest.find('/') != std::string::npos) {
        p.fraction = rest;
    } else {
        p.inches = rest;
    }
    if (!p.inches.empty() && !is_plain_number(p.inches)) return msg_inches;
    if (p.fraction.empty()) return {};
    // Each test overwrites the one before; the last that holds is reported.
    std::string_view error;
    if (p.fraction.find(' ') != std::string::npos) error = msg_fraction_spaces;
    if (p.fraction.front() == '/') error = msg_fraction_form;
    if (p.fraction.find('/') == std::string::npos) error = msg_fraction_slash;
    return error;
}

// The fraction's two numbers; a bad denominator is reported over a bad numerator.
std::string_view split_fraction(FeetInchesText& p) {
    if (p.fraction.empty()) return {};
    const std::size_t fs = p.fraction.find('/');
    p.numerator = p.fraction.substr(0, fs);
    p.denominator = trimmed(std::string_view(p.fraction).substr(fs + 1));
    std::string_view error;
    if (!p.numerator.empty() && !is_plain_number(p.numerator)) error = msg_numerator;
    const std::string& d = p.denominator;
    if (d != "2" && d != "4" && d != "8" && d != "16") error = msg_denominator;
    return error;
}

// Feet, whole inches and a fraction, the text already free of points.
double parse_feet_inches(const std::string& s, const Counts& n, std::string& error) {
    FeetInchesText p;
    std::string_view why = slash_error(s);
    if (why.empty()) why = split_feet(s, n, p);
    if (why.empty()) why = split_inches(p);
    if (why.empty()) why = split_fraction(p);
    if (!why.empty()) {
        error = why;
        return 0;
    }
    const double d = text_value(p.denominator);
    double length = text_value(p.feet) * 12 + text_value(p.inches);
    if (d >= 1) length += text_value(p.numerator) / d;
    return shown_mm(length, error);
}

// A length in feet, whole inches and a fraction of an inch.
struct FeetInches {
    double feet = 0;
    double whole = 0;
    double numerator = 0;
    double denominator = 1;
};

// To the nearest sixteenth, reduced by re-rounding at each coarser step
// while the numerator stays even; then twelve inches to the foot.
FeetInches nearest_sixteenth(double inches) {
    FeetInches v;
    v.whole = int_floor(inches);
    const double frac = inches - v.whole;
    if (frac > 0) {
        v.denominator = 16;
        v.numerator = round_half_up(frac * 16);
        for (const double step : {8.0, 4.0, 2.0}) {
            if (std::fmod(v.numerator, 2.0) != 0) break;
            v.denominator = step;
            v.numerator = round_half_up(frac * step);
        }
        if (v.denominator == 2 && v.numerator == 2) {
            v.whole += 1;
            v.numerator = 0;
        }
    }
    if (v.whole > 0) {
        v.feet = int_floor(v.whole / 12);
        v.whole -= 12 * v.feet;
    }
    return v;
}

std::string feet_inches_text(const FeetInches& v) {
    std::string text;
    if (v.feet != 0) text += number_text_trimmed(v.feet) + "' ";
    if (v.whole != 0) text += number_text_trimmed(v.whole);
    if (v.numerator != 0) {
        if (v.whole != 0) text += ' ';
        text += number_text_trimmed(v.numerator) + "/" + number_text_trimmed(v.denominator);
    }
    return text.empty() ? "0" : text;
}

// Why a millimetre text cannot be shown in inches, if it cannot.
std::string_view format_error(const std::string& mm_text, double inches) {
    for (const char c : mm_text) {
        if (!is_digit(c) && c != '.') return msg_format_char;
    }
    if (!std::isfinite(inches * 100)) return msg_too_large;
    return {};
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
    const double inches = text_value(s) / mm_per_inch;
    if (const std::string_view why = format_error(s, inches); !why.empty()) {
        out.measure_error = why;
        out.feet_inches = imperial_error_text;
        out.decimal_inches = imperial_error_text;
        return out;
    }
    const double decimal = int_floor(inches * 100) / 100;
    out.decimal_inches = number_text(decimal);
    out.feet_inches = feet_inches_text(nearest_sixteenth(decimal));
    return out;
}

ImperialFormat format_imperial_mm(double mm) {
    return format_imperial(number_text_trimmed(mm));
}

}  // namespace welkin
