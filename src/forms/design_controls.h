// The main window's controls as the design rules them: the commands its
// buttons and menu items give, and which of them show, are enabled and
// what they say. Each rule is a function of the design, computed when the
// window asks rather than stored.
#pragma once

#include <string>
#include <string_view>

#include "canvas/rgb.h"
#include "core/design.h"
#include "core/design_fields.h"

namespace welkin {

// The advanced-mode buttons.
enum class Button {
    reset_wheel,
    shift_left,
    zero_well_left,
    rotate_wheel_anticlockwise,
    rotate_wheel_clockwise,
    reset_side_shift,
    shift_right
};

// Menu items whose enabling changes.
enum class Menu { panel_2d, auto_optimise, inverse_pairing, optimise, optimise_2d };

// What a button or a check-mark menu item asks of the design; the main
// form carries it out (MainForm::run) and recomputes as the command needs.
enum class DesignCommand {
    reset_wheel,
    next_prime_order,
    previous_prime_order,
    shift_left,            // one well
    shift_zero_well_left,  // the next zero-depth well to the left end
    rotate_wheel_anticlockwise,
    rotate_wheel_clockwise,
    reset_side_shift,
    shift_right,     // one well
    toggle_inverse,  // normal / inverse panel
    toggle_advanced,
    toggle_auto_optimise,
    toggle_inverse_pairing,
    optimise_now,
    toggle_auto_well_width,
    toggle_optimise_2d,
    toggle_half_width,
    toggle_highlight_inverse,
    lock_design_frequency,
    lock_deepest_well,
    lock_build_depth_2d,
    // "Show Visualizer": checking it shows the window and recomputes, so that
    // it is drawn; unchecking hides it, and its picture is left empty.
    toggle_show_visualiser,
    // Closing the window unchecks "Show Visualizer".
    hide_visualiser,
};

// Only the field each lock makes the input is typed into; the well width
// only while it is not automatic.
bool field_enabled(const Design& d, Field f);

bool button_visible(const Design& d, Button b);
bool button_enabled(const Design& d, Button b);
// The reset buttons show the wheel and side shift of the design on screen.
std::string button_caption(const Design& shown, Button b);

// The caption of a length field's label, which names the unit in force;
// nothing for the well width, whose label the analysis writes.
std::string_view length_caption(const Design& d, Field f);

// Label colour of the field each lock makes the input.
Rgb lock_label_colour(const Design& d, LockMode lock);
Rgb well_width_caption_colour(const Design& d);

}  // namespace welkin
