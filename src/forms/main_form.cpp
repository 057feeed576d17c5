#include "forms/main_form.h"

#include <cstddef>
#include <utility>

#include "core/advanced.h"
#include "core/design_snapshot.h"
#include "core/design_texts.h"
#include "core/sequence.h"
#include "units/length_text.h"
#include "units/numtext.h"

namespace welkin {

namespace {

constexpr std::string_view title_text = "Welkin - Quadratic Residue Diffuser Calculator    V:";

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
    if (f == Field::fin_width) validate_length(f);
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
    const Result<double> entry = read_length(field_text(f), design_.unit_mode);
    // A refused entry reads as nothing at all.
    design_.*length_field_rules(f).value = round_half_up(entry.value_or(0));
    if (!entry) {
        show_badly_formed(f, entry.message());
        return false;
    }
    measure_error_.clear();
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

void MainForm::set_length(Field f, double mm) {
    design_.*length_field_rules(f).value = mm;
    populate_length(f);
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
        if (!design_.auto_well_width) populate_length(Field::well_width);
        populate_length(Field::fin_width);
        if (design_.lock == LockMode::depth) populate_length(Field::deepest_well);
        if (design_.lock == LockMode::build_2d) populate_length(Field::build_depth_2d);
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

    // The recompute generates the sequence afresh; a shift kept from a file
    // or across the inverse toggle is applied to it.
    if (!design_.keep_side_shift) design_.side_shift = 0;
    design_.keep_side_shift = false;
    recompute_results();
}

void MainForm::recompute_results() {
    busy_ = true;
    ++recompute_results_runs_;
    DesignOutcome outcome = compute_design({design_, field_texts()});
    show_fields(outcome);
    design_ = outcome.design;
    last_refused_ = outcome.refusal != Refusal::none;
    if (outcome.refusal == Refusal::badly_formed) {
        show_badly_formed(outcome.refused_field, outcome.message);
        // The field's own message is up; nothing recomputes until it is fixed.
        awaiting_correction_ = outcome.refused_field;
        busy_ = false;
        return;
    }
    awaiting_correction_.reset();
    if (outcome.refusal == Refusal::out_of_range) {
        show_out_of_range(outcome.refused_field, outcome.message);
    } else {
        show_snapshot(std::move(*outcome.snapshot));
    }
    busy_ = false;
}

FieldTexts MainForm::field_texts() const {
    FieldTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = fields_[i].text;
    return texts;
}

void MainForm::show_fields(const DesignOutcome& outcome) {
    measure_error_.clear();
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        FieldState& field = fields_[i];
        field.text = outcome.fields[i];
        if (outcome.marks[i] != FieldMark::as_typed) field.background = rgb_white;
        // Rewriting a field is not an edit: it leaves the field clean.
        if (outcome.marks[i] == FieldMark::rewritten) field.dirty = false;
    }
}

void MainForm::show_badly_formed(Field f, const std::string& why) {
    const LengthFieldRules& rules = length_field_rules(f);
    measure_error_ = why;
    reporting_format_error_ = true;
    host_.message_box(rules.format_message, "");
    reporting_format_error_ = false;
    status_text_ = std::string(rules.status_prefix) + why;
    status_colour_ = rgb_dark_red;
    refused_field_ = f;
    // However the text got here, typed or read from a file, it is now an
    // entry waiting for Enter, so correcting it and pressing Enter recovers.
    fields_[index(f)].dirty = true;
    fields_[index(f)].background = rgb_uncommitted;
    host_.focus_field(f);
}

void MainForm::show_out_of_range(Field f, const std::string& message) {
    // A rejected length does not stay in the design: the other windows keep
    // reading the value the results on screen were computed from.
    if (is_length_field(f)) {
        double Design::*length = length_field_rules(f).value;
        design_.*length = last_good_.*length;
    }
    status_text_ = message;
    status_colour_ = rgb_dark_red;
}

void MainForm::show_snapshot(DesignSnapshot snapshot) {
    status_text_ = snapshot.status;
    status_colour_ = snapshot.scale_warning ? rgb_dark_red : rgb_status_grey;
    frontview_caption_ = snapshot.frontview_caption;
    command9_caption_ = number_text_trimmed(design_.side_shift);
    snapshot_ = std::move(snapshot);

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
