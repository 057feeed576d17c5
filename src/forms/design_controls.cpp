#include "forms/design_controls.h"

#include "units/numtext.h"

namespace welkin {

bool field_enabled(const Design& d, Field f) {
    switch (f) {
        case Field::design_frequency: return d.lock == LockMode::freq;
        case Field::deepest_well: return d.lock == LockMode::depth;
        case Field::build_depth_2d: return d.lock == LockMode::build_2d;
        case Field::well_width: return !d.auto_well_width;
        case Field::well_count:
        case Field::fin_width: break;
    }
    return true;
}

bool button_visible(const Design& d, Button b) {
    if (!d.advanced) return false;
    if (b == Button::rotate_wheel_anticlockwise || b == Button::rotate_wheel_clockwise)
        return !d.auto_optimise;
    return true;
}

bool button_enabled(const Design& d, Button b) {
    return b != Button::reset_wheel || !d.auto_optimise;
}

std::string button_caption(const Design& shown, Button b) {
    switch (b) {
        case Button::reset_wheel: return number_text_trimmed(shown.wheel_shift);
        case Button::reset_side_shift: return number_text_trimmed(shown.side_shift);
        case Button::shift_left: return "<";
        case Button::shift_right: return ">";
        case Button::zero_well_left: return "<<";
        case Button::rotate_wheel_anticlockwise:
        case Button::rotate_wheel_clockwise: break;
    }
    return {};
}

Rgb lock_label_colour(const Design& d, LockMode lock) {
    return lock == d.lock ? rgb_black : rgb_locked_label;
}

Rgb well_width_caption_colour(const Design& d) {
    return d.auto_well_width ? rgb_locked_label : rgb_black;
}

std::string_view length_caption(const Design& d, Field f) {
    const bool metric = d.unit_mode == UnitMode::metric;
    switch (f) {
        case Field::fin_width: return metric ? "Fin width in mm" : "Fin width in inches";
        case Field::deepest_well:
            return metric ? "Deepest 1D well in mm" : "Deepest 1D well in inches";
        case Field::build_depth_2d:
            return metric ? "2D build depth in mm" : "2D build depth in inches";
        default: return {};  // the well width's label is the analysis's to write
    }
}

}  // namespace welkin
