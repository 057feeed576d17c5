#include "core/design_snapshot.h"

#include <cstddef>
#include <string_view>

#include "core/naming.h"
#include "core/sequence.h"
#include "units/length_text.h"
#include "units/numtext.h"

namespace welkin {

namespace {

constexpr std::string_view msg_fin_range = "Fin width must be between 0 and 1000mm";
constexpr std::string_view msg_freq_range = "Design frequency must be between 1 and 20000hz";
constexpr std::string_view msg_deepest_range = "Deepest well must be between 5 and 9000mm";
constexpr std::string_view msg_build_2d_range = "2D build depth must be between 5 and 9000mm";
constexpr std::string_view msg_well_width_range = "Well width must be between 1 and 50000mm";

// Where each length field's value lives in the design.
double Design::*length_of(Field f) {
    switch (f) {
        case Field::well_width: return &Design::well_width_mm;
        case Field::deepest_well: return &Design::deepest_well_mm;
        case Field::build_depth_2d: return &Design::build_depth_2d_mm;
        default: return &Design::fin_width_mm;
    }
}

bool within(double value, double lo, double hi) {
    return value >= lo && value <= hi;
}

std::size_t index(Field f) {
    return static_cast<std::size_t>(f);
}

// One run of compute_design: the outcome filled in as the inputs are read.
class Recompute {
public:
    explicit Recompute(const DesignInputs& in) : sequence_(panel_sequence(in.design)) {
        out_.fields = in.fields;
        out_.design = in.design;
    }

    DesignOutcome run() && {
        if (read_inputs()) finish();
        return std::move(out_);
    }

private:
    Design& d() { return out_.design; }
    const std::string& text(Field f) const { return out_.fields[index(f)]; }

    // A length field's text read in the unit mode; in an inch mode an
    // accepted entry is rewritten in the program's own form.
    bool read(Field f) {
        const Result<double> entry = read_length(text(f), d().unit_mode);
        // A refused entry reads as nothing at all.
        d().*length_of(f) = round_half_up(entry.value_or(0));
        if (!entry) return refuse(Refusal::badly_formed, f, entry.message());
        if (out_.marks[index(f)] == FieldMark::as_typed) out_.marks[index(f)] = FieldMark::accepted;
        if (d().unit_mode != UnitMode::metric) rewrite(f);
        return true;
    }

    bool in_range(Field f, double lo, double hi, std::string_view message) {
        return within(d().*length_of(f), lo, hi) || refuse(Refusal::out_of_range, f, message);
    }

    void rewrite(Field f) {
        out_.fields[index(f)] = length_text(d().*length_of(f), d().unit_mode);
        out_.marks[index(f)] = FieldMark::rewritten;
    }

    bool refuse(Refusal why, Field f, std::string_view message) {
        out_.refusal = why;
        out_.refused_field = f;
        out_.message = message;
        return false;
    }

    bool read_inputs() {
        if (!read(Field::fin_width) || !in_range(Field::fin_width, 0, 1000, msg_fin_range)) {
            return false;
        }
        if (!derive_locked_quantities()) return false;
        if (!read(Field::well_width)) return false;
        return d().auto_well_width ||
               in_range(Field::well_width, 1, 50000, msg_well_width_range);
    }

    bool derive_locked_quantities() {
        Design& design = d();
        const int n = design.well_count;
        switch (design.lock) {
            case LockMode::freq: {
                const double f0 = text_value(text(Field::design_frequency));
                if (!within(f0, 1, 20000)) {
                    return refuse(Refusal::out_of_range, Field::design_frequency, msg_freq_range);
                }
                design.design_freq_hz = f0;
                design.design_half_wavelength_mm = half_wavelength_from_freq(f0);
                design.deepest_well_mm = deepest_from_half_wavelength(
                    design.design_half_wavelength_mm, sequence_.max_units, n);
                rewrite(Field::deepest_well);
                design.build_depth_2d_mm =
                    build_depth_2d_from_half_wavelength(design, design.design_half_wavelength_mm);
                rewrite(Field::build_depth_2d);
                return true;
            }
            case LockMode::depth: {
                if (!read(Field::deepest_well) ||
                    !in_range(Field::deepest_well, 5, 9000, msg_deepest_range)) {
                    return false;
                }
                design.design_half_wavelength_mm =
                    half_wavelength_from_deepest(design.deepest_well_mm, sequence_.max_units, n);
                derive_frequency();
                design.build_depth_2d_mm =
                    build_depth_2d_from_half_wavelength(design, design.design_half_wavelength_mm);
                rewrite(Field::build_depth_2d);
                return true;
            }
            case LockMode::build_2d: {
                if (!read(Field::build_depth_2d) ||
                    !in_range(Field::build_depth_2d, 5, 9000, msg_build_2d_range)) {
                    return false;
                }
                design.design_half_wavelength_mm =
                    half_wavelength_from_build_depth_2d(design, design.build_depth_2d_mm);
                derive_frequency();
                design.deepest_well_mm = deepest_from_half_wavelength(
                    design.design_half_wavelength_mm, sequence_.max_units, n);
                rewrite(Field::deepest_well);
                return true;
            }
        }
        return true;
    }

    // The depth and 2D locks show the frequency they imply.
    void derive_frequency() {
        d().design_freq_hz = freq_from_half_wavelength(d().design_half_wavelength_mm);
        out_.fields[index(Field::design_frequency)] = number_text(d().design_freq_hz);
    }

    void finish() {
        DesignSnapshot snap;
        const PanelName name = panel_name(d());
        snap.status = name.status;
        snap.frontview_caption = frontview_caption(name, text(Field::design_frequency));

        const WidthAnalysis widths = analyse_widths(d(), sequence_);
        if (d().auto_well_width) {
            d().well_width_mm = widths.recommended_width_mm;
            rewrite(Field::well_width);
        }
        // The ratings use the width as the field shows it.
        const double shown_width_mm =
            read_length(text(Field::well_width), d().unit_mode).value_or(0);
        snap.scale_warning = vertical_scale_warning(d());
        if (snap.scale_warning) snap.status = vertical_scale_warning_text;
        snap.results = rate_design(d(), widths, shown_width_mm);
        snap.texts = describe_design(d(), snap.results);
        snap.design = d();
        snap.sequence = sequence_;
        snap.fields = out_.fields;
        out_.snapshot = std::move(snap);
    }

    PanelSequence sequence_;
    DesignOutcome out_;
};

}  // namespace

DesignOutcome compute_design(const DesignInputs& inputs) {
    return Recompute(inputs).run();
}

}  // namespace welkin
