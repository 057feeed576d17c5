// Degrees to radians, in the two forms the program uses.
#pragma once

#include <numbers>

namespace welkin {

// pi / 180, for the far-field response and its sheet.
inline constexpr double radians_per_degree = std::numbers::pi / 180;

// pi / 180 rounded to ten places, as the lobe analysis and its picture have
// always worked: kept so that their frequencies and drawings stay exactly
// what they were. The two differ in the eleventh place.
inline constexpr double radians_per_degree_rounded = 0.0174532925;

}  // namespace welkin
