// Advanced mode: the best phase-wheel rotations, sideways shifts and the
// normal / inverse toggle's guards.
#pragma once

#include <optional>
#include <string_view>

#include "core/design.h"

namespace welkin {

// Best wheel shift for N (0 for an N outside the prime table):
// table A for a standard panel, C for an inverse one, B for a panel used in
// a sequence with its inverse.
int best_shift_standard(int n);
int best_shift_paired(int n);
int best_shift_inverse(int n);

// The wheel shift that auto-optimise and "Optimise" choose for the design.
int optimal_wheel_shift(const Design& d);

// The smallest j in 1..N-1 whose well of the design's sequence has zero
// depth, if any.
std::optional<int> next_zero_well(const Design& d);

// The neighbouring entries of the prime table, none past either end.
std::optional<int> next_prime(int n);
std::optional<int> previous_prime(int n);

// Why the normal / inverse toggle is refused, if it is.
struct ToggleRefusal {
    std::string_view title;
    std::string_view text;
};
std::optional<ToggleRefusal> inverse_toggle_refusal(const Design& d);

}  // namespace welkin
