// Feet, inches and fractions of an inch <-> millimetres.
//
// Both routines are pure: the message that the program keeps as
// `measure_error` comes back as part of the result, empty on success.
#pragma once

#include <string>
#include <string_view>

namespace welkin {

inline constexpr double mm_per_inch = 25.4;

// The text every rejected input gives in place of a length.
inline constexpr std::string_view imperial_error_text = "ERR";

struct ImperialParse {
    std::string result;         // millimetres as number text, "0" when empty, "ERR" when rejected
    std::string measure_error;  // which rule the input broke; empty on success
};

// One typed length: decimal inches (6.25) or feet, inches and a fraction
// (6' 10 1/2, with \ accepted for /).
ImperialParse parse_imperial(std::string_view text);

struct ImperialFormat {
    std::string feet_inches;     // 1' 11 5/8, to the nearest sixteenth
    std::string decimal_inches;  // 23.62, cut to hundredths
    std::string measure_error;
};

// A millimetre value written as plain decimal text.
ImperialFormat format_imperial(std::string_view mm_text);

// The same for a value the program holds, written the way callers write
// design values into the formatter.
ImperialFormat format_imperial_mm(double mm);

}  // namespace welkin
