#include "core/main_form.h"

#include <cmath>
#include <utility>

#include "core/advanced.h"
#include "core/analysis.h"
#include "core/naming.h"
#include "core/sequence.h"
#include "panel1d/cross_section.h"
#include "units/length_text.h"
#include "units/numtext.h"

namespace welkin {

namespace {

constexpr std::string_view title_text = "Welkin - Quadratic Residue Diffuser Calculator    V:";

constexpr std::string_view msg_min_order = "Minimum panel order is 3";
constexpr std::string_view msg_max_order = "Maximum panel order is 101";
constexpr std::string_view msg_not_prime =
    "Number of wells must be a prime number between 3 and 101";
constexpr std::string_view msg_fin_range = "Fin width must be between 0 and 1000mm";
constexpr std::string_view msg_freq_range = "Design frequency must be between 1 and 20000hz";
constexpr std::string_view msg_deepest_range = "Deepest well must be between 5 and 9000mm";
constexpr std::string_view msg_build_2d_range = "2D build depth must be between 5 and 9000mm";
constexpr std::string_view msg_well_width_range = "Well width must be between 1 and 50000mm";
constexpr std::string_view msg_press_enter =
    "Press Enter or select another field to update results";

// What differs between the four length fields.
struct LengthFieldRules {
    double Design::*value;
    std::string_view format_message;
    std::string_view status_prefix;
};

bool is_length_field(Field f) {
    return f == Field::Text3 || f == Field::Text4 || f == Field::Text5 || f == Field::Text6;
}

const LengthFieldRules& length_field_rules(Field f) {
    static const LengthFieldRules fin{
        &Design::fin_width_mm,
        "Fin width field contains incorrect format - see Units screen for rules", "Fin width: "};
    static const LengthFieldRules well{
        &Design::well_width_mm,
        "Block width field contains incorrect format - see Units screen for rules",
        "Block width: "};
    static const LengthFieldRules deepest{
        &Design::deepest_well_mm,
        "1D Build depth field contains incorrect format - see Units screen for rules",
        "builddepth: "};
    static const LengthFieldRules build_2d{
        &Design::build_depth_2d_mm,
        "2D Build depth field contains incorrect format - see Units screen for rules",
        "2D builddepth: "};
    switch (f) {
        case Field::Text3: return well;
        case Field::Text5: return deepest;
        case Field::Text6: return build_2d;
        default: return fin;
    }
}

bool within(double value, double lo, double hi) {
    return value >= lo && value <= hi;
}

}  // namespace

MainForm::MainForm(Host& host) : host_(host) {
    set_title_suffix(title_suffix_pending);
}

void MainForm::set_title_suffix(std::string_view suffix) {
    title_ = std::string(title_text) + std::string(program_version) + std::string(suffix);
}

// ---------------------------------------------------------------- fields

void MainForm::set_field_text(Field f, std::string text) {
    FieldState& field = fields_[index(f)];
    if (field.text == text) return;
    field.text = std::move(text);
    if (busy_ == 0) on_field_change(f);
}

bool MainForm::field_enabled(Field f) const {
    switch (f) {
        case Field::Text2: return design_.lock == LockMode::freq;
        case Field::Text5: return design_.lock == LockMode::depth;
        case Field::Text6: return design_.lock == LockMode::build_2d;
        case Field::Text3: return !design_.mnu_autowells;
        case Field::Text1:
        case Field::Text4: break;
    }
    return true;
}

void MainForm::on_field_change(Field f) {
    switch (f) {
        case Field::Text1: Text1_Change(); break;
        case Field::Text2: drawresults(); break;
        case Field::Text3:
        case Field::Text4:
        case Field::Text5:
        case Field::Text6: length_field_change(f); break;
    }
}

void MainForm::Text1_Change() {
    design_.wheel_shift = 0;
    HScroll1_Change(0);
    if (busy_ == 0) Command1_Click();
}

void MainForm::length_field_change(Field f) {
    if (design_.unit_mode != UnitMode::metric) {
        // A half-typed feet-inches text is usually invalid: wait for Enter.
        FieldState& field = fields_[index(f)];
        field.dirty = true;
        field.background = rgb_uncommitted;
        status_text_ = msg_press_enter;
        status_colour_ = rgb_dark_red;
        return;
    }
    // Millimetres are committed as they are typed.
    if (f == Field::Text4) validatefinwidth();
    drawresults();
}

void MainForm::field_enter(Field f) {
    if (is_length_field(f) && field_dirty(f)) commit_length_field(f);
}

void MainForm::field_lost_focus(Field f) {
    // The field's own message box takes the focus too; that is no second commit.
    if (reporting_format_error_) return;
    field_enter(f);
}

void MainForm::commit_length_field(Field f) {
    if (validate_length(f)) drawresults();
}

bool MainForm::validate_length(Field f) {
    const LengthFieldRules& rules = length_field_rules(f);
    LengthEntry entry = read_length(field_text(f), design_.unit_mode);
    measure_error_ = std::move(entry.measure_error);
    design_.*rules.value = round_half_up(entry.mm);
    if (!measure_error_.empty()) {
        reporting_format_error_ = true;
        host_.message_box(rules.format_message, "");
        reporting_format_error_ = false;
        status_text_ = std::string(rules.status_prefix) + measure_error_;
        status_colour_ = rgb_dark_red;
        host_.focus_field(f);
        return false;
    }
    fields_[index(f)].background = rgb_white;
    if (design_.unit_mode != UnitMode::metric) populate_length(f);
    return true;
}

void MainForm::populate_length(Field f) {
    set_field_text(f, length_text(design_.*length_field_rules(f).value, design_.unit_mode));
    // Rewriting the field is not an edit: it leaves the field clean, even
    // when the new text ran the change handling.
    FieldState& field = fields_[index(f)];
    field.dirty = false;
    field.background = rgb_white;
}

bool MainForm::validatefinwidth() {
    return validate_length(Field::Text4);
}
bool MainForm::validateblockwidth() {
    return validate_length(Field::Text3);
}
bool MainForm::validatebuilddepth() {
    return validate_length(Field::Text5);
}
bool MainForm::validatebuilddepth_2d() {
    return validate_length(Field::Text6);
}
void MainForm::populatefinwidth() {
    populate_length(Field::Text4);
}
void MainForm::populateblockwidth() {
    populate_length(Field::Text3);
}
void MainForm::populatebuilddepth() {
    populate_length(Field::Text5);
}
void MainForm::populatebuilddepth_2d() {
    populate_length(Field::Text6);
}

std::string_view MainForm::length_caption(Field f) const {
    const bool metric = design_.unit_mode == UnitMode::metric;
    switch (f) {
        case Field::Text4: return metric ? "Fin width in mm" : "Fin width in inches";
        case Field::Text5: return metric ? "Deepest 1D well in mm" : "Deepest 1D well in inches";
        case Field::Text6: return metric ? "2D build depth in mm" : "2D build depth in inches";
        default: return {};  // the well width's label is the analysis's to write
    }
}

// ------------------------------------------------------------------ units

void MainForm::mnu_units_Click() {
    if (busy_ == 1) return;
    units_.open();
    host_.show_modal(Window::units);
    {
        // The fields the user types are rewritten in the new unit; the
        // recompute fills the others itself.
        const BusyScope busy(*this);
        if (!design_.mnu_autowells) populateblockwidth();
        populatefinwidth();
        if (design_.lock == LockMode::depth) populatebuilddepth();
        if (design_.lock == LockMode::build_2d) populatebuilddepth_2d();
    }
    drawresults();
}

// ------------------------------------------------------- recompute cycle

void MainForm::Command1_Click() {
    const double n = text_value(field_text(Field::Text1));
    std::string_view refusal;
    if (n < min_well_count) {
        refusal = msg_min_order;
    } else if (n > max_well_count) {
        refusal = msg_max_order;
    } else if (!is_panel_order(n)) {
        refusal = msg_not_prime;
    }
    if (!refusal.empty()) {
        // well_count keeps the last valid order, so the sequence stays in step with it.
        status_text_ = refusal;
        status_colour_ = rgb_dark_red;
        mnu_2d_enabled_ = false;
        last_refused_ = true;
        return;
    }
    design_.well_count = static_cast<int>(n);  // a prime from the table, so exact

    mnu_2d_enabled_ = true;
    if (design_.mnu_advanced && (design_.optimise_once || design_.mnu_auto_optimise)) {
        design_.wheel_shift = optimal_wheel_shift(design_);
    }
    design_.optimise_once = false;

    generate_sequence(design_);
    if (design_.keep_side_shift) {
        rotate_left(design_, design_.side_shift);
    } else {
        design_.side_shift = 0;
    }
    design_.keep_side_shift = false;
    drawresults();
}

void MainForm::drawresults() {
    busy_ = 1;
    ++drawresults_runs_;
    const Outcome outcome = derive_inputs();
    last_refused_ = outcome != Outcome::ok;
    switch (outcome) {
        case Outcome::format_error:
            return;  // the field's own message is up; busy stays set until it is fixed
        case Outcome::range_error: break;
        case Outcome::ok: finish_recompute(); break;
    }
    busy_ = 0;
}

MainForm::Outcome MainForm::range_error(std::string_view message) {
    status_text_ = message;
    status_colour_ = rgb_dark_red;
    return Outcome::range_error;
}

bool MainForm::length_in_range(double Design::*length, double lo, double hi,
                               std::string_view message) {
    if (within(design_.*length, lo, hi)) return true;
    // A rejected length does not stay in the design: the other windows keep
    // reading the value the results on screen were computed from.
    design_.*length = last_good_.*length;
    range_error(message);
    return false;
}

MainForm::Outcome MainForm::derive_inputs() {
    if (!validatefinwidth()) return Outcome::format_error;
    if (!length_in_range(&Design::fin_width_mm, 0, 1000, msg_fin_range)) {
        return Outcome::range_error;
    }
    if (const Outcome o = derive_locked_quantities(); o != Outcome::ok) return o;

    if (!validateblockwidth()) return Outcome::format_error;
    if (!design_.mnu_autowells &&
        !length_in_range(&Design::well_width_mm, 1, 50000, msg_well_width_range)) {
        return Outcome::range_error;
    }
    status_colour_ = rgb_status_grey;
    return Outcome::ok;
}

MainForm::Outcome MainForm::derive_locked_quantities() {
    Design& d = design_;
    const int n = d.well_count;
    switch (d.lock) {
        case LockMode::freq: {
            const double f0 = text_value(field_text(Field::Text2));
            if (!within(f0, 1, 20000)) return range_error(msg_freq_range);
            d.design_freq_hz = f0;
            d.design_half_wavelength_mm = half_wavelength_from_freq(f0);
            d.deepest_well_mm =
                deepest_from_half_wavelength(d.design_half_wavelength_mm, d.seq_max, n);
            populatebuilddepth();
            d.build_depth_2d_mm =
                build_depth_2d_from_half_wavelength(d, d.design_half_wavelength_mm);
            populatebuilddepth_2d();
            break;
        }
        case LockMode::depth: {
            if (!validatebuilddepth()) return Outcome::format_error;
            if (!length_in_range(&Design::deepest_well_mm, 5, 9000, msg_deepest_range)) {
                return Outcome::range_error;
            }
            d.design_half_wavelength_mm =
                half_wavelength_from_deepest(d.deepest_well_mm, d.seq_max, n);
            d.design_freq_hz = freq_from_half_wavelength(d.design_half_wavelength_mm);
            set_field_text(Field::Text2, number_text(d.design_freq_hz));
            d.build_depth_2d_mm =
                build_depth_2d_from_half_wavelength(d, d.design_half_wavelength_mm);
            populatebuilddepth_2d();
            break;
        }
        case LockMode::build_2d: {
            if (!validatebuilddepth_2d()) return Outcome::format_error;
            if (!length_in_range(&Design::build_depth_2d_mm, 5, 9000, msg_build_2d_range)) {
                return Outcome::range_error;
            }
            d.design_half_wavelength_mm =
                half_wavelength_from_build_depth_2d(d, d.build_depth_2d_mm);
            d.design_freq_hz = freq_from_half_wavelength(d.design_half_wavelength_mm);
            set_field_text(Field::Text2, number_text(d.design_freq_hz));
            d.deepest_well_mm =
                deepest_from_half_wavelength(d.design_half_wavelength_mm, d.seq_max, n);
            populatebuilddepth();
            break;
        }
    }
    return Outcome::ok;
}

void MainForm::finish_recompute() {
    const PanelName name = panel_name(design_);
    status_text_ = name.status;
    frontview_caption_ = welkin::frontview_caption(name, field_text(Field::Text2));
    command9_caption_ = number_text_trimmed(design_.side_shift);

    width_strategy_note_ = analyse_widths(design_);
    if (design_.mnu_autowells) {
        design_.well_width_mm = design_.recommended_width_mm;
        populateblockwidth();
    }
    design_.well_width_shown_mm = read_length(field_text(Field::Text3), design_.unit_mode).mm;
    Label14_caption_ = label14_caption(design_);
    if (vertical_scale_warning(design_)) {
        status_text_ = vertical_scale_warning_text;
        status_colour_ = rgb_dark_red;
    }
    rating_ = rate_design(design_, width_strategy_note_);

    scroll_max_ = design_.well_count > 10 ? design_.well_count - 11 : 0;
    if (scroll_value_ > scroll_max_) HScroll1_Change(scroll_max_);
    showfigures();
    command2_caption_ = number_text_trimmed(design_.wheel_shift);
    last_good_ = design_;
    ++completed_recomputes_;
}

void MainForm::showfigures() {
    figures_ = figures_table(design_, scroll_value_);
}

void MainForm::Label1_Click() {
    design_.results_page = design_.results_page >= 3 ? 0 : design_.results_page + 1;
    if (busy_ == 0) showfigures();
}

void MainForm::HScroll1_Change(int value) {
    if (value == scroll_value_) return;
    scroll_value_ = value;
    showfigures();
}

}  // namespace welkin
