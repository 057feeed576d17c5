#include "core/design.h"

#include <algorithm>

namespace welkin {

bool is_panel_order(double n) {
    return std::find(primes.begin(), primes.end(), n) != primes.end();
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
