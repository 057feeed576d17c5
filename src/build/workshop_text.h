// How the build's outputs write numbers: millimetres to a tenth, with a
// zero before the point and no trailing zeros, as a tape measure reads.
#pragma once

#include <string>

namespace welkin {

// "246.9", "600", "0.5".
std::string workshop_mm(double mm);

// A number to the given places without trailing zeros: "12.35", "3".
std::string workshop_number(double x, int decimals);

}  // namespace welkin
