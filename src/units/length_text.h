// A length as the program shows it and reads it back, in each unit mode.
#pragma once

#include <string>
#include <string_view>

#include "units/result.h"
#include "units/unit_mode.h"

namespace welkin {

inline constexpr double mm_per_metre = 1000;

// How a length field shows a value: whole millimetres (cut, not rounded)
// in the metric mode, feet-inches or decimal inches otherwise.
std::string length_text(double mm, UnitMode mode);

// A length written into a message or a label: the number text of the value
// in the metric mode (no unit word), the field's imperial text otherwise.
std::string length_words(double mm, UnitMode mode);

// A well's depth or block height in an imperial mode: anything under a
// millimetre is written as 0. The formatter refuses negative texts, and a
// block height can come out a hair below zero because the deepest well is
// rounded.
std::string well_length_words(double mm, UnitMode mode);

// A seating distance: metres cut to the centimetre ("1.05m"), or the length
// field's inch text followed by " inches".
std::string seating_distance_words(double mm, UnitMode mode);

// What a length field's text is worth, in millimetres, not yet rounded. The
// metric mode takes the absolute text value and never refuses; the imperial
// modes follow the parser's rules.
Result<double> read_length(std::string_view text, UnitMode mode);

}  // namespace welkin
