// The main window's buttons, lock options and design menus.
#include <utility>

#include "core/advanced.h"
#include "core/sequence.h"
#include "forms/main_form.h"
#include "units/numtext.h"

namespace welkin {

void MainForm::recompute_if_idle() {
    if (!busy()) recompute();
}

void MainForm::redraw_if_idle() {
    if (!busy()) recompute_results();
}

// ---------------------------------------------------------- lock options

void MainForm::select_lock(LockMode lock) {
    // Only the enabling and label colours follow; the next input recomputes.
    design_.lock = lock;
}

Rgb MainForm::lock_label_colour(LockMode lock) const {
    return lock == design_.lock ? rgb_black : rgb_locked_label;
}

// -------------------------------------------------------------- buttons

void MainForm::reset_wheel() {
    design_.wheel_shift = 0;
    recompute_if_idle();
}

void MainForm::rotate_wheel_clockwise() {
    const int n = design_.well_count;
    design_.wheel_shift = (design_.wheel_shift + 1) % n;
    recompute_if_idle();
}

void MainForm::rotate_wheel_anticlockwise() {
    const int n = design_.well_count;
    design_.wheel_shift = (n + design_.wheel_shift - 1) % n;
    recompute_if_idle();
}

void MainForm::shift_left() {
    const int n = design_.well_count;
    rotate_left(design_, 1);
    design_.side_shift = (design_.side_shift + 1) % n;
    redraw_if_idle();
}

void MainForm::shift_right() {
    const int n = design_.well_count;
    rotate_right(design_, 1);
    design_.side_shift = (n + design_.side_shift - 1) % n;
    redraw_if_idle();
}

void MainForm::reset_side_shift() {
    recompute_if_idle();
}

void MainForm::shift_zero_well_left() {
    if (const auto j = next_zero_well(design_)) {
        rotate_left(design_, *j);
        design_.side_shift = (design_.side_shift + *j) % design_.well_count;
    }
    redraw_if_idle();
}

void MainForm::toggle_inverse() {
    if (const auto refusal = inverse_toggle_refusal(design_)) {
        host_.message_box(refusal->text, refusal->title);
        return;
    }
    design_.inverse_panel = !design_.inverse_panel;
    design_.keep_side_shift = true;
    recompute_if_idle();
}

void MainForm::next_prime_order() {
    if (const auto p = next_prime(design_.well_count)) {
        set_field_text(Field::well_count, number_text(*p));
    }
}

void MainForm::previous_prime_order() {
    if (const auto p = previous_prime(design_.well_count)) {
        set_field_text(Field::well_count, number_text(*p));
    }
}

bool MainForm::button_visible(Button b) const {
    if (!design_.advanced) return false;
    if (b == Button::rotate_wheel_anticlockwise || b == Button::rotate_wheel_clockwise)
        return !design_.auto_optimise;
    return true;
}

bool MainForm::button_enabled(Button b) const {
    return b != Button::reset_wheel || !design_.auto_optimise;
}

const std::string& MainForm::button_caption(Button b) const {
    static const std::string none;
    static const std::string left = "<";
    static const std::string right = ">";
    static const std::string zero_well = "<<";
    switch (b) {
        case Button::reset_wheel: return command2_caption_;
        case Button::reset_side_shift: return command9_caption_;
        case Button::shift_left: return left;
        case Button::shift_right: return right;
        case Button::zero_well_left: return zero_well;
        case Button::rotate_wheel_anticlockwise:
        case Button::rotate_wheel_clockwise: break;
    }
    return none;
}

// ---------------------------------------------------------------- menus

void MainForm::toggle_advanced() {
    design_.advanced = !design_.advanced;
    // Either way the wheel goes back to its rest position.
    if (!busy()) reset_wheel();
}

void MainForm::toggle_auto_optimise() {
    design_.auto_optimise = !design_.auto_optimise;
    recompute_if_idle();
}

void MainForm::toggle_inverse_pairing() {
    design_.inverse_pairing = !design_.inverse_pairing;
    recompute_if_idle();
}

void MainForm::optimise_now() {
    design_.optimise_once = true;
    recompute_if_idle();
}

void MainForm::toggle_auto_well_width() {
    design_.auto_well_width = !design_.auto_well_width;
    recompute_if_idle();
}

void MainForm::toggle_optimise_2d() {
    design_.optimise_2d = !design_.optimise_2d;
    redraw_if_idle();
}

void MainForm::toggle_half_width() {
    design_.half_width = !design_.half_width;
    redraw_if_idle();
}

void MainForm::select_vertical_scale(int vertical_scale_mm) {
    design_.vertical_scale_mm = vertical_scale_mm;
    redraw_if_idle();
}

bool MainForm::menu_enabled(Menu m) const {
    switch (m) {
        case Menu::panel_2d: return panel_2d_enabled_;
        case Menu::optimise: return design_.advanced && !design_.auto_optimise;
        case Menu::auto_optimise:
        case Menu::inverse_pairing:
        case Menu::optimise_2d: break;
    }
    return design_.advanced;
}

Rgb MainForm::well_width_caption_colour() const {
    return design_.auto_well_width ? rgb_locked_label : rgb_black;
}

// ------------------------------------------------- clipboard and printing

void MainForm::open_panel_2d() {
    note_2d_shown_ = true;
    panel_2d_.initial_draw();
    host_.show_modal(Window::panel_2d);
    note_2d_shown_ = false;
}

void MainForm::open_lobes(LobesOpening how) {
    if (busy()) return;
    lobes_.open(how);
    lobes_open_ = true;
    host_.show_modal(Window::lobes);
    lobes_open_ = false;
}

void MainForm::copy_cross_section() {
    host_.copy_picture(Picture::cross_section);
}
void MainForm::copy_phase_wheel() {
    host_.copy_picture(Picture::phase_wheel);
}
void MainForm::copy_scatter() {
    host_.copy_picture(Picture::scatter);
}

void MainForm::print_main_window() {
    if (host_.ask_yes_no("Print this form using current printer settings?",
                         "Would you like me to ...")) {
        host_.print_window(Window::main);
    }
}

// ------------------------------------------------------------- visualiser

void MainForm::select_arrangement(Arrangement a) {
    design_.visualiser.arrangement = a;
    if (design_.visualiser.shown) recompute_if_idle();
}

void MainForm::select_colour_scheme(ColourScheme c) {
    design_.visualiser.colours = c;
    if (design_.visualiser.shown) recompute_if_idle();
}

void MainForm::toggle_highlight_inverse() {
    design_.visualiser.highlight_inverse = !design_.visualiser.highlight_inverse;
    if (design_.visualiser.shown) recompute_if_idle();
}

void MainForm::minimised_changed(bool minimised) {
    if (minimised) {
        host_.show_window(Window::scorecard, false);
        host_.show_window(Window::frontview, false);
        host_.show_window(Window::response, false);
        return;
    }
    if (scorecard_shown_) host_.show_window(Window::scorecard, true);
    if (response_shown_) host_.show_window(Window::response, true);
    if (design_.visualiser.shown) host_.show_window(Window::frontview, true);
}

}  // namespace welkin
