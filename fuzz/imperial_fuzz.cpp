// Feeds arbitrary bytes to the imperial parser and formatter and aborts when
// a result breaks what the rest of the program relies on: an error always
// replaces the length by "ERR", and any other length is a finite,
// non-negative number the program can read back.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "units/imperial.h"
#include "units/numtext.h"

namespace {

using welkin::imperial_error_text;

// Unprintable bytes (and the backslash) as \xNN, so the report shows exactly what was typed.
std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '\\') {
            out.push_back(c);
        } else {
            char buf[5];
            std::snprintf(buf, sizeof buf, "\\x%02x", byte);
            out += buf;
        }
    }
    return out;
}

[[noreturn]] void fail(const char* what, std::string_view input, const std::string& got) {
    std::fprintf(stderr, "imperial_fuzz: %s\n  input: \"%s\"\n  got:   \"%s\"\n", what,
                 escaped(input).c_str(), escaped(got).c_str());
    std::abort();  // not assert: it must fire in release builds too
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Number text as the program writes a length: an optional leading blank,
// digits with at most one point, and for huge or tiny values an exponent
// (1.5E+20, 2.54E-06). No sign, so never negative, and no NaN or Infinity.
bool is_length_text(std::string_view t) {
    if (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    std::size_t i = 0;
    bool digit = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        if (is_digit(t[i])) {
            digit = true;
        } else if (t[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digit) return false;
    if (i == t.size()) return true;
    if (t[i] != 'E' || i + 2 >= t.size() || (t[i + 1] != '+' && t[i + 1] != '-')) return false;
    for (std::size_t j = i + 2; j < t.size(); ++j) {
        if (!is_digit(t[j])) return false;
    }
    // text_value stops at the E, so the exponent's own range is checked here.
    const std::string copy(t);
    return std::isfinite(std::strtod(copy.c_str(), nullptr));
}

bool reads_back_as_length(std::string_view t) {
    const double v = welkin::text_value(t);
    return is_length_text(t) && std::isfinite(v) && v >= 0;
}

void check_parse(std::string_view input) {
    const welkin::Result<double> mm = welkin::parse_imperial(input);
    if (!mm.ok() && mm.message().empty()) fail("parse: a refusal must say why", input, "");
    if (mm.ok() && !(std::isfinite(*mm) && *mm >= 0)) {
        fail("parse: result is not a finite non-negative number", input, welkin::number_text(*mm));
    }
}

void check_format(std::string_view input) {
    const welkin::ImperialFormat f = welkin::format_imperial(input);
    const bool failed = !f.measure_error.empty();
    if ((f.feet_inches == imperial_error_text) != failed ||
        (f.decimal_inches == imperial_error_text) != failed) {
        fail("format: a message must come with ERR in both texts and ERR only with a message",
             input, f.feet_inches + " / " + f.decimal_inches + " / " + f.measure_error);
    }
    if (!failed && !reads_back_as_length(f.decimal_inches)) {
        fail("format: decimal inches are not a finite non-negative number", input,
             f.decimal_inches);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    check_parse(input);
    check_format(input);
    return 0;
}
