#include "core/design.h"

#include <algorithm>

#include "units/numtext.h"

namespace welkin {

bool is_panel_order(double n) {
    return std::find(primes.begin(), primes.end(), n) != primes.end();
}

Result<int> panel_order(std::string_view text) {
    const double n = text_value(text);
    if (n < min_well_count) return Result<int>::failure("Minimum panel order is 3");
    if (n > max_well_count) return Result<int>::failure("Maximum panel order is 101");
    if (!is_panel_order(n)) {
        return Result<int>::failure("Number of wells must be a prime number between 3 and 101");
    }
    return static_cast<int>(n);  // a prime from the table, so exact
}

std::string_view lock_mode_text(LockMode lock) {
    switch (lock) {
        case LockMode::depth: return "depth";
        case LockMode::build_2d: return "2d";
        case LockMode::freq: break;
    }
    return "freq";
}

}  // namespace welkin
