#include "units/length_text.h"

#include <cmath>

#include "units/imperial.h"
#include "units/numtext.h"

namespace welkin {

std::string length_text(double mm, UnitMode mode) {
    if (mode == UnitMode::metric) return number_text(int_floor(mm));
    return length_words(mm, mode);
}

std::string length_words(double mm, UnitMode mode) {
    switch (mode) {
        case UnitMode::metric: return number_text(mm);
        case UnitMode::inches: return format_imperial_mm(mm).feet_inches;
        case UnitMode::decimalinches: return format_imperial_mm(mm).decimal_inches;
    }
    return {};
}

std::string well_length_words(double mm, UnitMode mode) {
    return length_words(mm < 1 ? 0 : mm, mode);
}

std::string seating_distance_words(double mm, UnitMode mode) {
    if (mode == UnitMode::metric)
        return number_text(int_floor(mm / 10) / 100) + "m";  // whole centimetres, exactly
    return length_words(mm, mode) + " inches";
}

Result<double> read_length(std::string_view text, UnitMode mode) {
    if (mode == UnitMode::metric) return std::fabs(text_value(text));
    return parse_imperial(text);
}

}  // namespace welkin
