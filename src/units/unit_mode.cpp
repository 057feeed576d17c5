#include "units/unit_mode.h"

namespace welkin {

std::string_view unit_mode_text(UnitMode mode) {
    switch (mode) {
        case UnitMode::inches: return "inches";
        case UnitMode::decimalinches: return "decimalinches";
        case UnitMode::metric: break;
    }
    return "metric";
}

}  // namespace welkin
