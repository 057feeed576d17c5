// The main window's buttons, lock options and design menus.
#include <utility>

#include "core/advanced.h"
#include "core/main_form.h"
#include "core/sequence.h"
#include "units/numtext.h"

namespace welkin {

void MainForm::recompute_if_idle() {
    if (busy_ == 0) Command1_Click();
}

void MainForm::redraw_if_idle() {
    if (busy_ == 0) drawresults();
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

void MainForm::Command2_Click() {
    design_.wheel_shift = 0;
    recompute_if_idle();
}

void MainForm::Command8_Click() {
    const int n = design_.well_count;
    design_.wheel_shift = (design_.wheel_shift + 1) % n;
    recompute_if_idle();
}

void MainForm::Command7_Click() {
    const int n = design_.well_count;
    design_.wheel_shift = (n + design_.wheel_shift - 1) % n;
    recompute_if_idle();
}

void MainForm::Command5_Click() {
    const int n = design_.well_count;
    rotate_left(design_, 1);
    design_.side_shift = (design_.side_shift + 1) % n;
    redraw_if_idle();
}

void MainForm::Command10_Click() {
    const int n = design_.well_count;
    rotate_right(design_, 1);
    design_.side_shift = (n + design_.side_shift - 1) % n;
    redraw_if_idle();
}

void MainForm::Command9_Click() {
    recompute_if_idle();
}

void MainForm::Command6_Click() {
    if (const auto j = next_zero_well(design_)) {
        rotate_left(design_, *j);
        design_.side_shift = (design_.side_shift + *j) % design_.well_count;
    }
    redraw_if_idle();
}

void MainForm::Command11_Click() {
    if (const auto refusal = inverse_toggle_refusal(design_)) {
        host_.message_box(refusal->text, refusal->title);
        return;
    }
    design_.inverse_panel = !design_.inverse_panel;
    design_.keep_side_shift = true;
    recompute_if_idle();
}

void MainForm::Command3_Click() {
    if (const auto p = next_prime(design_.well_count)) {
        set_field_text(Field::Text1, number_text_trimmed(*p));
    }
}

void MainForm::Command4_Click() {
    if (const auto p = previous_prime(design_.well_count)) {
        set_field_text(Field::Text1, number_text_trimmed(*p));
    }
}

bool MainForm::button_visible(Button b) const {
    if (!design_.mnu_advanced) return false;
    if (b == Button::Command7 || b == Button::Command8) return !design_.mnu_auto_optimise;
    return true;
}

bool MainForm::button_enabled(Button b) const {
    return b != Button::Command2 || !design_.mnu_auto_optimise;
}

const std::string& MainForm::button_caption(Button b) const {
    static const std::string none;
    static const std::string left = "<";
    static const std::string right = ">";
    static const std::string zero_well = "<<";
    switch (b) {
        case Button::Command2: return command2_caption_;
        case Button::Command9: return command9_caption_;
        case Button::Command5: return left;
        case Button::Command10: return right;
        case Button::Command6: return zero_well;
        case Button::Command7:
        case Button::Command8: break;
    }
    return none;
}

// ---------------------------------------------------------------- menus

void MainForm::mnu_advanced_Click() {
    design_.mnu_advanced = !design_.mnu_advanced;
    // Either way the wheel goes back to its rest position.
    if (busy_ == 0) Command2_Click();
}

void MainForm::mnu_auto_optimise_Click() {
    design_.mnu_auto_optimise = !design_.mnu_auto_optimise;
    recompute_if_idle();
}

void MainForm::mnu_inverse_pairing_Click() {
    design_.mnu_inverse_pairing = !design_.mnu_inverse_pairing;
    recompute_if_idle();
}

void MainForm::mnu_optimise_Click() {
    design_.optimise_once = true;
    recompute_if_idle();
}

void MainForm::mnu_autowells_Click() {
    design_.mnu_autowells = !design_.mnu_autowells;
    recompute_if_idle();
}

void MainForm::mnu_2d_optimise_Click() {
    design_.mnu_2d_optimise = !design_.mnu_2d_optimise;
    redraw_if_idle();
}

void MainForm::mnu_halfwidth_Click() {
    design_.mnu_halfwidth = !design_.mnu_halfwidth;
    redraw_if_idle();
}

void MainForm::select_vertical_scale(int vertical_scale_mm) {
    design_.vertical_scale_mm = vertical_scale_mm;
    redraw_if_idle();
}

bool MainForm::menu_enabled(Menu m) const {
    switch (m) {
        case Menu::mnu_2d: return mnu_2d_enabled_;
        case Menu::mnu_optimise: return design_.mnu_advanced && !design_.mnu_auto_optimise;
        case Menu::mnu_auto_optimise:
        case Menu::mnu_inverse_pairing:
        case Menu::mnu_2d_optimise: break;
    }
    return design_.mnu_advanced;
}

Rgb MainForm::Label14_colour() const {
    return design_.mnu_autowells ? rgb_locked_label : rgb_black;
}

// ------------------------------------------------- clipboard and printing

void MainForm::mnu_clippanel_Click() {
    host_.copy_picture(Picture::Picture1);
}
void MainForm::mnu_clipphase_Click() {
    host_.copy_picture(Picture::Picture2);
}
void MainForm::mnu_clipscatter_Click() {
    host_.copy_picture(Picture::Picture3);
}

void MainForm::mnuprint_Click() {
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

void MainForm::mnu_highlight_inverse_Click() {
    design_.visualiser.highlight_inverse = !design_.visualiser.highlight_inverse;
    if (design_.visualiser.shown) recompute_if_idle();
}

void MainForm::Form_Resize(bool minimised) {
    if (minimised) {
        host_.show_window(Window::scorecard, false);
        host_.show_window(Window::frontview, false);
        return;
    }
    if (scorecard_shown_) host_.show_window(Window::scorecard, true);
    if (design_.visualiser.shown) host_.show_window(Window::frontview, true);
}

}  // namespace welkin
