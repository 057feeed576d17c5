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
    shown_.design.wheel_shift = 0;
    results_.scroll(0);
    if (!busy()) recompute();
}

void MainForm::length_field_change(Field f) {
    if (shown_.design.unit_mode != UnitMode::metric) {
        // A half-typed feet-inches text is usually invalid: wait for Enter.
        FieldState& field = fields_[index(f)];
        field.dirty = true;
        field.background = rgb_uncommitted;
        shown_.status_text = msg_press_enter;
        shown_.status_colour = rgb_dark_red;
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
    const Result<double> entry = read_length(field_text(f), shown_.design.unit_mode);
    // A refused entry reads as nothing at all.
    shown_.design.*length_field_rules(f).value = round_half_up(entry.value_or(0));
    if (!entry) {
        show_badly_formed(f, entry.message());
        return false;
    }
    fields_[index(f)].background = rgb_white;
    if (shown_.design.unit_mode != UnitMode::metric) populate_length(f);
    return true;
}

void MainForm::populate_length(Field f) {
    set_field_text(
        f, length_text(shown_.design.*length_field_rules(f).value, shown_.design.unit_mode));
    // Rewriting the field is not an edit: it leaves the field clean, even
    // when the new text ran the change handling.
    FieldState& field = fields_[index(f)];
    field.dirty = false;
    field.background = rgb_white;
}

void MainForm::set_length(Field f, double mm) {
    shown_.design.*length_field_rules(f).value = mm;
    populate_length(f);
}

std::string MainForm::committed_length_text(Field f) const {
    const FieldState& field = fields_[index(f)];
    if (!is_length_field(f) || !field.dirty) return field.text;
    // A refused entry has already replaced the design's value; the results on
    // screen were computed from the value last committed.
    return length_text(last_good_.*length_field_rules(f).value, shown_.design.unit_mode);
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
        if (!shown_.design.auto_well_width) populate_length(Field::well_width);
        populate_length(Field::fin_width);
        if (shown_.design.lock == LockMode::depth) populate_length(Field::deepest_well);
        if (shown_.design.lock == LockMode::build_2d) populate_length(Field::build_depth_2d);
    }
    recompute_results();
}

// ------------------------------------------------------- recompute cycle

void MainForm::recompute() {
    const Result<int> order = panel_order(field_text(Field::well_count));
    if (!order) {
        // well_count keeps the last valid order, so the sequence stays in step with it.
        shown_.status_text = order.message();
        shown_.status_colour = rgb_dark_red;
        panel_2d_enabled_ = false;
        shown_.refused = true;
        return;
    }
    shown_.design.well_count = *order;

    panel_2d_enabled_ = true;
    if (shown_.design.advanced && (shown_.design.optimise_once || shown_.design.auto_optimise)) {
        shown_.design.wheel_shift = optimal_wheel_shift(shown_.design);
    }
    shown_.design.optimise_once = false;

    // The recompute generates the sequence afresh; a shift kept from a file
    // or across the inverse toggle is applied to it.
    if (!shown_.design.keep_side_shift) shown_.design.side_shift = 0;
    shown_.design.keep_side_shift = false;
    recompute_results();
}

void MainForm::recompute_results() {
    busy_ = true;
    ++shown_.started_recomputes;
    DesignOutcome outcome = compute_design({shown_.design, field_texts()});
    show_fields(outcome);
    shown_.design = outcome.design;
    shown_.refused = outcome.refusal != Refusal::none;
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
    reporting_format_error_ = true;
    host_.message_box(rules.format_message, "");
    reporting_format_error_ = false;
    shown_.status_text = std::string(rules.status_prefix) + why;
    shown_.status_colour = rgb_dark_red;
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
        shown_.design.*length = last_good_.*length;
    }
    shown_.status_text = message;
    shown_.status_colour = rgb_dark_red;
}

void MainForm::show_snapshot(DesignSnapshot snapshot) {
    shown_.status_text = snapshot.status;
    shown_.status_colour = snapshot.scale_warning ? rgb_dark_red : rgb_status_grey;
    shown_.snapshot = std::move(snapshot);

    results_.recomputed();
    last_good_ = shown_.design;
    ++shown_.completed_recomputes;
}

}  // namespace welkin
