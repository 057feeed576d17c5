#include "core/design.h"

#include <algorithm>

namespace welkin {

bool is_panel_order(double n) {
    return std::find(primes.begin(), primes.end(), n) != primes.end();
}

std::string_view unit_mode_text(UnitMode mode) {
    switch (mode) {
        case UnitMode::inches: return "inches";
        case UnitMode::decimalinches: return "decimalinches";
        case UnitMode::metric: break;
    }
    return "metric";
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
