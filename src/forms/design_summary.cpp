#include "forms/design_summary.h"

#include <cstddef>
#include <utility>

#include "core/sequence.h"
#include "units/numtext.h"

// GCC 12 warns, wrongly, that a moved std::variant holding a vector may be
// used uninitialised when items are appended.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

namespace welkin {

namespace {

constexpr std::string_view top = "";

double num(int value) {
    return value;
}

std::vector<double> entries_of(const PanelSequence& s, int n) {
    std::vector<double> out;
    for (int i = 0; i <= n; ++i) out.push_back(s.at(i));
    return out;
}

// The JSON keys of the six fields, in the order of Field.
constexpr std::string_view field_keys[field_count] = {
    "wells", "design_frequency", "well_width", "fin_width", "deepest_well", "build_depth_2d"};

void add_inputs(const ShownDesign& shown, const SummaryWindow& window,
                std::vector<SummaryItem>& out) {
    const Design& d = shown.design;
    const auto add = [&out](std::string_view key, SummaryValue v) {
        out.push_back({top, key, std::move(v)});
    };
    add("well_count", num(d.well_count));
    add("design_freq_hz", d.design_freq_hz);
    add("design_half_wavelength_mm", d.design_half_wavelength_mm);
    add("deepest_well_mm", d.deepest_well_mm);
    add("build_depth_2d_mm", d.build_depth_2d_mm);
    add("fin_width_mm", d.fin_width_mm);
    add("well_width_mm", d.well_width_mm);
    // The sequence the inputs make, as the next recompute will draw it.
    const PanelSequence sequence = panel_sequence(d);
    add("well_seq", entries_of(sequence, d.well_count));
    add("seq_max", num(sequence.max_units));
    add("seq_min", num(sequence.min_units));
    add("wheel_shift", num(d.wheel_shift));
    add("side_shift", num(d.side_shift));
    add("keep_side_shift", d.keep_side_shift);
    add("inverse_panel", d.inverse_panel);
    add("optimise_once", d.optimise_once);
    add("results_page", num(window.results_page));
    add("vertical_scale_mm", num(d.vertical_scale_mm));
    add("busy", window.busy);
    add("unit_mode", std::string(unit_mode_text(d.unit_mode)));
    add("lock", std::string(lock_mode_text(d.lock)));
    add("advanced", d.advanced);
    add("auto_optimise", d.auto_optimise);
    add("inverse_pairing", d.inverse_pairing);
    add("optimise_2d", d.optimise_2d);
    add("auto_well_width", d.auto_well_width);
    add("half_width", d.half_width);
    for (int i = 0; i < field_count; ++i) {
        out.push_back({"fields", field_keys[i], window.fields[static_cast<std::size_t>(i)]});
    }
}

void add_results(const ShownDesign& shown, const SummaryWindow& window,
                 std::vector<SummaryItem>& out) {
    const DesignResults& r = shown.snapshot.results;
    const DesignTexts& t = shown.snapshot.texts;
    const auto add = [&out](std::string_view key, SummaryValue v) {
        out.push_back({top, key, std::move(v)});
    };
    out.push_back({"status", "text", shown.status_text, "status"});
    out.push_back({"status", "rgb", shown.status_colour, "status_rgb"});
    add("period_fix_width_mm", r.widths.period_fix_width_mm);
    add("viscous_min_width_mm", r.widths.viscous_min_width_mm);
    add("recommended_width_mm", r.widths.recommended_width_mm);
    add("well_width_shown_mm", r.well_width_shown_mm);
    add("period_width_mm", r.period_width_mm);
    add("panel_width_mm", r.panel_width_mm);
    add("period_ok", r.period_ok);
    add("plate_freq_hz", r.plate_freq_hz);
    add("hf_cutoff_hz", r.hf_cutoff_hz);
    add("lowest_diffusion_hz", r.lowest_diffusion_hz);
    add("seating_distance_mm", r.seating_distance_mm);
    add("width_strategy_note", t.width_strategy_note);
    out.push_back({"labels", "well_width_caption", t.well_width_caption});
    out.push_back({"labels", "cutoffs", t.cutoffs});
    out.push_back({"labels", "seating_distance", t.seating_distance});
    out.push_back({"labels", "period_width", t.period_width});
    add("score_tiles", std::vector<Rgb>(t.tile_colours.begin(), t.tile_colours.end()));
    add("true_diffusion_text", t.true_diffusion_text);
    add("score_summary", t.score_summary);
    add("title", window.title);
}

std::string rgb_text(Rgb c) {
    return number_text_trimmed(c.r) + "," + number_text_trimmed(c.g) + "," +
           number_text_trimmed(c.b);
}

struct TextOf {
    std::string operator()(bool b) const { return b ? "yes" : "no"; }
    std::string operator()(double x) const { return number_text_trimmed(x); }
    std::string operator()(const std::string& s) const {
        // The score summary's own line breaks are CR LF; shown here one result per "|".
        std::string out;
        for (const char ch : s) {
            if (ch != '\r') out += ch == '\n' ? '|' : ch;
        }
        return out;
    }
    std::string operator()(const std::vector<double>& xs) const {
        std::string out;
        for (const double x : xs) out += (out.empty() ? "" : ",") + number_text_trimmed(x);
        return out;
    }
    std::string operator()(Rgb c) const { return rgb_text(c); }
    std::string operator()(const std::vector<Rgb>& cs) const {
        std::string out;
        for (const Rgb c : cs) out += (out.empty() ? "" : " ") + rgb_text(c);
        return out;
    }
};

}  // namespace

std::vector<SummaryItem> design_summary_items(const ShownDesign& shown,
                                              const SummaryWindow& window) {
    std::vector<SummaryItem> items;
    add_inputs(shown, window, items);
    add_results(shown, window, items);
    return items;
}

std::string design_summary(const ShownDesign& shown, const SummaryWindow& window) {
    std::string out;
    for (const SummaryItem& item : design_summary_items(shown, window)) {
        if (!item.text_name.empty()) {
            out.append(item.text_name);
        } else {
            if (!item.group.empty()) out.append(item.group).append(".");
            out.append(item.key);
        }
        out.append(": ").append(std::visit(TextOf{}, item.value)).append("\n");
    }
    return out;
}

}  // namespace welkin
