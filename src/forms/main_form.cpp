#include "forms/main_form.h"

#include <cmath>
#include <utility>

#include "core/advanced.h"
#include "core/design_texts.h"
#include "core/naming.h"
#include "core/sequence.h"
#include "core/width_analysis.h"
#include "panel1d/cross_section.h"
#include "units/length_text.h"
#include "units/numtext.h"

namespace welkin {

namespace {

constexpr std::string_view title_text = "Welkin - Quadratic Residue Diffuser Calculator    V:";

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
    return f == Field::well_width || f == Field::fin_width || f == Field::deepest_well ||
           f == Field::build_depth_2d;
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
        case Field::well_width: return well;
        case Field::deepest_well: return deepest;
        case Field::build_depth_2d: return build_2d;
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
    if (!busy()) on_field_change(f);
}

bool MainForm::field_enabled(Field f) const {
    switch (f) {
        case Field::design_frequency: return design_.lock == LockMode::freq;
        case Field::deepest_well: return design_.lock == LockMode::depth;
        case Field::build_depth_2d: return design_.lock == LockMode::build_2d;
        case Field::well_width: return !design_.auto_well_width;
        case Field::well_count:
        case Field::fin_width: break;
    }
    return true;
}

void MainForm::on_field_change(Field f) {
    switch (f) {
        case Field::well_count: well_count_changed(); break;
        case Field::design_frequency: recompute_results(); break;
        case Field::well_width:
        case Field::fin_width:
        case Field::deepest_well:
        case Field::build_depth_2d: length_field_change(f); break;
    }
}

void MainForm::well_count_changed() {
    design_.wheel_shift = 0;
    scroll_figures(0);
    if (!busy()) recompute();
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
    if (f == Field::fin_width) validate_fin_width();
    recompute_results();
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
    if (validate_length(f)) recompute_results();
}

bool MainForm::validate_length(Field f) {
    const LengthFieldRules& rules = length_field_rules(f);
    const Result<double> entry = read_length(field_text(f), design_.unit_mode);
    measure_error_ = entry.message();
    // A refused entry reads as nothing at all.
    design_.*rules.value = round_half_up(entry.value_or(0));
    if (!measure_error_.empty()) {
        reporting_format_error_ = true;
        host_.message_box(rules.format_message, "");
        reporting_format_error_ = false;
        status_text_ = std::string(rules.status_prefix) + measure_error_;
        status_colour_ = rgb_dark_red;
        refused_field_ = f;
        // However the text got here, typed or read from a file, it is now an
        // entry waiting for Enter, so correcting it and pressing Enter recovers.
        fields_[index(f)].dirty = true;
        fields_[index(f)].background = rgb_uncommitted;
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

bool MainForm::validate_fin_width() {
    return validate_length(Field::fin_width);
}
bool MainForm::validate_well_width() {
    return validate_length(Field::well_width);
}
bool MainForm::validate_deepest_well() {
    return validate_length(Field::deepest_well);
}
bool MainForm::validate_build_depth_2d() {
    return validate_length(Field::build_depth_2d);
}
void MainForm::populate_fin_width() {
    populate_length(Field::fin_width);
}
void MainForm::populate_well_width() {
    populate_length(Field::well_width);
}
void MainForm::populate_deepest_well() {
    populate_length(Field::deepest_well);
}
void MainForm::populate_build_depth_2d() {
    populate_length(Field::build_depth_2d);
}

std::string MainForm::committed_length_text(Field f) const {
    const FieldState& field = fields_[index(f)];
    if (!is_length_field(f) || !field.dirty) return field.text;
    // A refused entry has already replaced the design's value; the results on
    // screen were computed from the value last committed.
    return length_text(last_good_.*length_field_rules(f).value, design_.unit_mode);
}

std::string_view MainForm::length_caption(Field f) const {
    const bool metric = design_.unit_mode == UnitMode::metric;
    switch (f) {
        case Field::fin_width: return metric ? "Fin width in mm" : "Fin width in inches";
        case Field::deepest_well:
            return metric ? "Deepest 1D well in mm" : "Deepest 1D well in inches";
        case Field::build_depth_2d:
            return metric ? "2D build depth in mm" : "2D build depth in inches";
        default: return {};  // the well width's label is the analysis's to write
    }
}

// ------------------------------------------------------------------ units

void MainForm::open_units() {
    if (busy()) return;
    units_.open();
    host_.show_modal(Window::units);
    {
        // The fields the user types are rewritten in the new unit; the
        // recompute fills the others itself.
        const BusyScope busy(*this);
        if (!design_.auto_well_width) populate_well_width();
        populate_fin_width();
        if (design_.lock == LockMode::depth) populate_deepest_well();
        if (design_.lock == LockMode::build_2d) populate_build_depth_2d();
    }
    recompute_results();
}

// ------------------------------------------------------- recompute cycle

void MainForm::recompute() {
    const Result<int> order = panel_order(field_text(Field::well_count));
    if (!order) {
        // well_count keeps the last valid order, so the sequence stays in step with it.
        status_text_ = order.message();
        status_colour_ = rgb_dark_red;
        panel_2d_enabled_ = false;
        last_refused_ = true;
        return;
    }
    design_.well_count = *order;

    panel_2d_enabled_ = true;
    if (design_.advanced && (design_.optimise_once || design_.auto_optimise)) {
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
    recompute_results();
}

void MainForm::recompute_results() {
    busy_ = true;
    ++recompute_results_runs_;
    const Outcome outcome = derive_inputs();
    last_refused_ = outcome != Outcome::ok;
    if (outcome == Outcome::format_error) {
        // The field's own message is up; nothing recomputes until it is fixed.
        awaiting_correction_ = refused_field_;
        busy_ = false;
        return;
    }
    awaiting_correction_.reset();
    if (outcome == Outcome::ok) finish_recompute();
    busy_ = false;
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
    if (!validate_fin_width()) return Outcome::format_error;
    if (!length_in_range(&Design::fin_width_mm, 0, 1000, msg_fin_range)) {
        return Outcome::range_error;
    }
    if (const Outcome o = derive_locked_quantities(); o != Outcome::ok) return o;

    if (!validate_well_width()) return Outcome::format_error;
    if (!design_.auto_well_width &&
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
            const double f0 = text_value(field_text(Field::design_frequency));
            if (!within(f0, 1, 20000)) return range_error(msg_freq_range);
            d.design_freq_hz = f0;
            d.design_half_wavelength_mm = half_wavelength_from_freq(f0);
            d.deepest_well_mm =
                deepest_from_half_wavelength(d.design_half_wavelength_mm, d.seq_max, n);
            populate_deepest_well();
            d.build_depth_2d_mm =
                build_depth_2d_from_half_wavelength(d, d.design_half_wavelength_mm);
            populate_build_depth_2d();
            break;
        }
        case LockMode::depth: {
            if (!validate_deepest_well()) return Outcome::format_error;
            if (!length_in_range(&Design::deepest_well_mm, 5, 9000, msg_deepest_range)) {
                return Outcome::range_error;
            }
            d.design_half_wavelength_mm =
                half_wavelength_from_deepest(d.deepest_well_mm, d.seq_max, n);
            d.design_freq_hz = freq_from_half_wavelength(d.design_half_wavelength_mm);
            set_field_text(Field::design_frequency, number_text(d.design_freq_hz));
            d.build_depth_2d_mm =
                build_depth_2d_from_half_wavelength(d, d.design_half_wavelength_mm);
            populate_build_depth_2d();
            break;
        }
        case LockMode::build_2d: {
            if (!validate_build_depth_2d()) return Outcome::format_error;
            if (!length_in_range(&Design::build_depth_2d_mm, 5, 9000, msg_build_2d_range)) {
                return Outcome::range_error;
            }
            d.design_half_wavelength_mm =
                half_wavelength_from_build_depth_2d(d, d.build_depth_2d_mm);
            d.design_freq_hz = freq_from_half_wavelength(d.design_half_wavelength_mm);
            set_field_text(Field::design_frequency, number_text(d.design_freq_hz));
            d.deepest_well_mm =
                deepest_from_half_wavelength(d.design_half_wavelength_mm, d.seq_max, n);
            populate_deepest_well();
            break;
        }
    }
    return Outcome::ok;
}

void MainForm::finish_recompute() {
    const PanelName name = panel_name(design_);
    status_text_ = name.status;
    frontview_caption_ = welkin::frontview_caption(name, field_text(Field::design_frequency));
    command9_caption_ = number_text_trimmed(design_.side_shift);

    const WidthAnalysis widths = analyse_widths(design_);
    if (design_.auto_well_width) {
        design_.well_width_mm = widths.recommended_width_mm;
        populate_well_width();
    }
    const double shown_width_mm =
        read_length(field_text(Field::well_width), design_.unit_mode).value_or(0);
    if (vertical_scale_warning(design_)) {
        status_text_ = vertical_scale_warning_text;
        status_colour_ = rgb_dark_red;
    }
    results_ = rate_design(design_, widths, shown_width_mm);
    texts_ = describe_design(design_, results_);

    scroll_max_ = design_.well_count > 10 ? design_.well_count - 11 : 0;
    if (scroll_value_ > scroll_max_) scroll_figures(scroll_max_);
    show_figures();
    command2_caption_ = number_text_trimmed(design_.wheel_shift);
    last_good_ = design_;
    ++completed_recomputes_;
}

void MainForm::show_figures() {
    figures_ = figures_table(design_, scroll_value_);
}

void MainForm::next_results_page() {
    design_.results_page = design_.results_page >= 3 ? 0 : design_.results_page + 1;
    if (!busy()) show_figures();
}

void MainForm::scroll_figures(int value) {
    if (value == scroll_value_) return;
    scroll_value_ = value;
    show_figures();
}

}  // namespace welkin
