#include "core/advanced.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "core/sequence.h"

namespace welkin {

namespace {

// Indexed like `primes`.
constexpr std::array<int, 25> table_a = {0, 1,  0,  2,  4,  4, 3,  0,  9,  6,  16, 10, 12,
                                         0, 17, 24, 27, 20, 0, 27, 17, 24, 25, 36, 37};
constexpr std::array<int, 25> table_b = {1, 2,  1,  4,  6,  6, 5,  2,  11, 8,  18, 13, 15,
                                         2, 20, 27, 30, 23, 3, 29, 20, 28, 28, 39, 40};
constexpr std::array<int, 25> table_c = {1, 3,  2,  5,  8,  7, 7,  4,  12, 10, 20, 15, 17,
                                         4, 23, 29, 33, 26, 6, 31, 23, 31, 31, 42, 42};

int lookup(const std::array<int, 25>& table, int n) {
    const auto it = std::find(primes.begin(), primes.end(), n);
    if (it == primes.end()) return 0;
    return table[static_cast<std::size_t>(it - primes.begin())];
}

constexpr std::string_view toggle_needs_freq_lock =
    "Toggle panels is only available when  Frequency lock is on\r"
    "\r"
    "This ensures that a panel and its inverse have the same design frequency\r"
    "\r"
    "To remedy, click the option button next to the Design Frequency field\r";

constexpr std::string_view toggle_needs_pairing_title = "Auto-optimise active";
constexpr std::string_view toggle_needs_pairing =
    "To toggle panels whilst in Advanced mode with Auto-optimise ticked\r"
    "\r"
    "you must also tick the following menu option: \r"
    "\r"
    "\u201C 1D Panel will be used in a sequence that includes its inverse \u201D\r"
    "\r"
    "\r"
    "This ensures that the two panels stay in step";

}  // namespace

int best_shift_standard(int n) {
    return lookup(table_a, n);
}
int best_shift_paired(int n) {
    return lookup(table_b, n);
}
int best_shift_inverse(int n) {
    return lookup(table_c, n);
}

int optimal_wheel_shift(const Design& d) {
    if (d.inverse_pairing) return best_shift_paired(d.well_count);
    if (d.inverse_panel) return best_shift_inverse(d.well_count);
    return best_shift_standard(d.well_count);
}

std::optional<int> next_zero_well(const Design& d) {
    const PanelSequence s = panel_sequence(d);
    for (int j = 1; j < d.well_count; ++j) {
        if (s.at(j) == 0) return j;
    }
    return std::nullopt;
}

std::optional<int> next_prime(int n) {
    const auto it = std::upper_bound(primes.begin(), primes.end(), n);
    if (it == primes.end()) return std::nullopt;
    return *it;
}

std::optional<int> previous_prime(int n) {
    const auto it = std::lower_bound(primes.begin(), primes.end(), n);
    if (it == primes.begin()) return std::nullopt;
    return *(it - 1);
}

std::optional<ToggleRefusal> inverse_toggle_refusal(const Design& d) {
    if (d.lock != LockMode::freq) return ToggleRefusal{"", toggle_needs_freq_lock};
    if (d.advanced && d.auto_optimise && !d.inverse_pairing) {
        return ToggleRefusal{toggle_needs_pairing_title, toggle_needs_pairing};
    }
    return std::nullopt;
}

}  // namespace welkin
