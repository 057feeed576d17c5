#include "forms/units_form.h"

namespace welkin {

namespace {
constexpr Rgb rule_grey{192, 192, 192};
}

Rgb UnitsForm::rules_caption_colour() const {
    return selected_ == UnitMode::metric ? rule_grey : rgb_black;
}

Rgb UnitsForm::rule_colour() const {
    return selected_ == UnitMode::metric ? rule_grey : rgb_locked_label;
}

}  // namespace welkin
