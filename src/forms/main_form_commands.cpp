// The main window's buttons, lock options and design menus.
#include <utility>

#include "core/advanced.h"
#include "forms/main_form.h"
#include "units/numtext.h"

namespace welkin {

void MainForm::recompute_if_idle() {
    if (!busy()) recompute();
}

void MainForm::redraw_if_idle() {
    if (!busy()) recompute_results();
}

void MainForm::run(DesignCommand command) {
    using C = DesignCommand;
    switch (command) {
        case C::reset_wheel: return reset_wheel();
        case C::next_prime_order: return next_prime_order();
        case C::previous_prime_order: return previous_prime_order();
        case C::shift_left: return shift_left();
        case C::shift_zero_well_left: return shift_zero_well_left();
        case C::rotate_wheel_anticlockwise: return rotate_wheel_anticlockwise();
        case C::rotate_wheel_clockwise: return rotate_wheel_clockwise();
        case C::reset_side_shift: return reset_side_shift();
        case C::shift_right: return shift_right();
        case C::toggle_inverse: return toggle_inverse();
        case C::toggle_advanced: return toggle_advanced();
        case C::toggle_auto_optimise: return toggle_auto_optimise();
        case C::toggle_inverse_pairing: return toggle_inverse_pairing();
        case C::optimise_now: return optimise_now();
        case C::toggle_auto_well_width: return toggle_auto_well_width();
        case C::toggle_optimise_2d: return toggle_optimise_2d();
        case C::toggle_half_width: return toggle_half_width();
        case C::toggle_highlight_inverse: return toggle_highlight_inverse();
        case C::lock_design_frequency: return select_lock(LockMode::freq);
        case C::lock_deepest_well: return select_lock(LockMode::depth);
        case C::lock_build_depth_2d: return select_lock(LockMode::build_2d);
        case C::toggle_show_visualiser: return toggle_show_visualiser();
        case C::hide_visualiser: shown_.design.visualiser.shown = false; return;
    }
}

// ---------------------------------------------------------- lock options

void MainForm::select_lock(LockMode lock) {
    // Only the enabling and label colours follow; the next input recomputes.
    shown_.design.lock = lock;
}

// -------------------------------------------------------------- buttons

void MainForm::reset_wheel() {
    shown_.design.wheel_shift = 0;
    recompute_if_idle();
}

void MainForm::rotate_wheel_clockwise() {
    const int n = shown_.design.well_count;
    shown_.design.wheel_shift = (shown_.design.wheel_shift + 1) % n;
    recompute_if_idle();
}

void MainForm::rotate_wheel_anticlockwise() {
    const int n = shown_.design.well_count;
    shown_.design.wheel_shift = (n + shown_.design.wheel_shift - 1) % n;
    recompute_if_idle();
}

void MainForm::shift_left() {
    const int n = shown_.design.well_count;
    shown_.design.side_shift = (shown_.design.side_shift + 1) % n;
    redraw_if_idle();
}

void MainForm::shift_right() {
    const int n = shown_.design.well_count;
    shown_.design.side_shift = (n + shown_.design.side_shift - 1) % n;
    redraw_if_idle();
}

void MainForm::reset_side_shift() {
    recompute_if_idle();
}

void MainForm::shift_zero_well_left() {
    if (const auto j = next_zero_well(shown_.design)) {
        shown_.design.side_shift = (shown_.design.side_shift + *j) % shown_.design.well_count;
    }
    redraw_if_idle();
}

void MainForm::toggle_inverse() {
    if (const auto refusal = inverse_toggle_refusal(shown_.design)) {
        host_.message_box(refusal->text, refusal->title);
        return;
    }
    shown_.design.inverse_panel = !shown_.design.inverse_panel;
    shown_.design.keep_side_shift = true;
    recompute_if_idle();
}

void MainForm::next_prime_order() {
    if (const auto p = next_prime(shown_.design.well_count)) {
        set_field_text(Field::well_count, number_text(*p));
    }
}

void MainForm::previous_prime_order() {
    if (const auto p = previous_prime(shown_.design.well_count)) {
        set_field_text(Field::well_count, number_text(*p));
    }
}

// ---------------------------------------------------------------- menus

void MainForm::toggle_advanced() {
    shown_.design.advanced = !shown_.design.advanced;
    // Either way the wheel goes back to its rest position.
    if (!busy()) reset_wheel();
}

void MainForm::toggle_auto_optimise() {
    shown_.design.auto_optimise = !shown_.design.auto_optimise;
    recompute_if_idle();
}

void MainForm::toggle_inverse_pairing() {
    shown_.design.inverse_pairing = !shown_.design.inverse_pairing;
    recompute_if_idle();
}

void MainForm::optimise_now() {
    shown_.design.optimise_once = true;
    recompute_if_idle();
}

void MainForm::toggle_auto_well_width() {
    shown_.design.auto_well_width = !shown_.design.auto_well_width;
    recompute_if_idle();
}

void MainForm::toggle_optimise_2d() {
    shown_.design.optimise_2d = !shown_.design.optimise_2d;
    redraw_if_idle();
}

void MainForm::toggle_half_width() {
    shown_.design.half_width = !shown_.design.half_width;
    redraw_if_idle();
}

void MainForm::select_vertical_scale(int vertical_scale_mm) {
    shown_.design.vertical_scale_mm = vertical_scale_mm;
    redraw_if_idle();
}

bool MainForm::menu_enabled(Menu m) const {
    switch (m) {
        case Menu::panel_2d: return panel_2d_enabled_;
        case Menu::optimise: return shown_.design.advanced && !shown_.design.auto_optimise;
        case Menu::auto_optimise:
        case Menu::inverse_pairing:
        case Menu::optimise_2d: break;
    }
    return shown_.design.advanced;
}

// ------------------------------------------------- the 2D and lobes windows

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

bool MainForm::window_open(Window w) const {
    switch (w) {
        case Window::panel_2d: return note_2d_shown_;
        case Window::lobes: return lobes_open_;
        default: return false;
    }
}

// ------------------------------------------------------------- visualiser

void MainForm::toggle_show_visualiser() {
    bool& shown = shown_.design.visualiser.shown;
    shown = !shown;
    host_.show_window(Window::frontview, shown);
    if (shown && !busy()) recompute();
}

void MainForm::select_arrangement(Arrangement a) {
    shown_.design.visualiser.arrangement = a;
    if (shown_.design.visualiser.shown) recompute_if_idle();
}

void MainForm::select_colour_scheme(ColourScheme c) {
    shown_.design.visualiser.colours = c;
    if (shown_.design.visualiser.shown) recompute_if_idle();
}

void MainForm::toggle_highlight_inverse() {
    shown_.design.visualiser.highlight_inverse = !shown_.design.visualiser.highlight_inverse;
    if (shown_.design.visualiser.shown) recompute_if_idle();
}

void MainForm::minimised_changed(bool minimised) {
    companions_.minimised_changed(minimised, shown_.design.visualiser.shown);
}

}  // namespace welkin
