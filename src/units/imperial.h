// Feet, inches and fractions of an inch <-> millimetres.
//
// Both routines are pure: the message that the program keeps as
// `measure_error` comes back as part of the result.
#pragma once

#include <string>
#include <string_view>

#include "units/result.h"

namespace welkin {

inline constexpr double mm_per_inch = 25.4;

// The text the formatter gives in place of a length it refuses.
inline constexpr std::string_view imperial_error_text = "ERR";

// One typed length in millimetres: decimal inches (6.25) or feet, inches and
// a fraction (6' 10 1/2, with \ accepted for /); an empty text is 0. The
// failure names the rule the input broke.
Result<double> parse_imperial(std::string_view text);

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
