// Arithmetic and number <-> text helpers shared by the whole model.
//
// Every rounding rule of the program lives here, so that no other file
// rounds, truncates or converts numbers to text on its own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace welkin {

// Int(x): the whole number at or below x (rounds towards minus infinity).
double int_floor(double x);

// Int(x + 0.5): the rounding the program uses unless it says otherwise.
double round_half_up(double x);

// Banker's rounding, used for colour components and integer conversions.
double round_half_even(double x);

// round_half_up and int_floor to a number of decimals (0 to 15): x is scaled
// by the power of ten, rounded, and scaled back, so 57.65 to 1 decimal is
// Int(576.5 + 0.5) / 10 = 57.7 and .00346 floored to 4 decimals is .0034.
double round_half_up_to_decimals(double x, int decimals);
double floor_to_decimals(double x, int decimals);

// Converts to int with half-to-even rounding, refusing (nullopt) anything
// non-finite or outside the int range instead of casting it blindly.
std::optional<int> to_int(double x);

// The program's number text: up to 15 significant digits, no trailing zeros,
// no zero before the point below 1 (".19"), and a leading blank when the
// value is not negative (" 600", "-5").
std::string number_text(double x);

// number_text without the leading blank ("600", ".5", "-5").
std::string number_text_trimmed(double x);

// x rounded half up to `decimals` (0 to 15) places and written with exactly
// that many, a zero before the point and no leading blank ("0.105", "-1.50",
// "12"); for tables of measured values rather than the program's number text.
std::string decimal_text(double x, int decimals);

// The leading numeric part of a text: an optional sign, then digits with at
// most one point; blanks anywhere inside are ignored and anything else ends
// the number. No exponent is read, so "1e5" is 1. A text without digits is 0.
double text_value(std::string_view text);

// The text without blanks at either end.
std::string trimmed(std::string_view text);

}  // namespace welkin
