#include "forms/design_summary.h"

#include <cstddef>
#include <string_view>
#include <utility>

#include "units/numtext.h"

namespace welkin {

namespace {

std::string_view yes_no(bool value) {
    return value ? "yes" : "no";
}

std::string sequence_text(const Design& d) {
    std::string out;
    for (int i = 0; i <= d.well_count; ++i) {
        if (i > 0) out += ",";
        out += number_text_trimmed(d.well_seq[static_cast<std::size_t>(i)]);
    }
    return out;
}

std::string rgb_text(Rgb c) {
    return number_text_trimmed(c.r) + "," + number_text_trimmed(c.g) + "," +
           number_text_trimmed(c.b);
}

class Lines {
public:
    void add(std::string_view name, std::string_view value) {
        text_.append(name).append(": ").append(value).append("\n");
    }
    void add(std::string_view name, double value) { add(name, number_text_trimmed(value)); }
    void add(std::string_view name, int value) { add(name, number_text_trimmed(value)); }
    void add(std::string_view name, bool value) { add(name, yes_no(value)); }
    std::string take() { return std::move(text_); }

private:
    std::string text_;
};

}  // namespace

std::string design_summary(const MainForm& form) {
    const Design& d = form.design();
    Lines out;
    out.add("well_count", d.well_count);
    out.add("design_freq_hz", d.design_freq_hz);
    out.add("design_half_wavelength_mm", d.design_half_wavelength_mm);
    out.add("deepest_well_mm", d.deepest_well_mm);
    out.add("build_depth_2d_mm", d.build_depth_2d_mm);
    out.add("fin_width_mm", d.fin_width_mm);
    out.add("well_width_mm", d.well_width_mm);
    out.add("well_seq", sequence_text(d));
    out.add("seq_max", d.seq_max);
    out.add("seq_min", d.seq_min);
    out.add("wheel_shift", d.wheel_shift);
    out.add("side_shift", d.side_shift);
    out.add("keep_side_shift", d.keep_side_shift);
    out.add("inverse_panel", d.inverse_panel);
    out.add("optimise_once", d.optimise_once);
    out.add("results_page", d.results_page);
    out.add("vertical_scale_mm", d.vertical_scale_mm);
    out.add("busy", form.busy());
    out.add("unit_mode", unit_mode_text(d.unit_mode));
    out.add("lock", lock_mode_text(d.lock));
    out.add("mnu_advanced", d.advanced);
    out.add("mnu_auto_optimise", d.auto_optimise);
    out.add("mnu_inverse_pairing", d.inverse_pairing);
    out.add("mnu_2d_optimise", d.optimise_2d);
    out.add("mnu_autowells", d.auto_well_width);
    out.add("mnu_halfwidth", d.half_width);
    out.add("status", form.status_text());
    out.add("status_rgb", rgb_text(form.status_colour()));

    out.add("period_fix_width_mm", d.period_fix_width_mm);
    out.add("viscous_min_width_mm", d.viscous_min_width_mm);
    out.add("recommended_width_mm", d.recommended_width_mm);
    out.add("well_width_shown_mm", d.well_width_shown_mm);
    out.add("period_width_mm", d.period_width_mm);
    out.add("panel_width_mm", d.panel_width_mm);
    out.add("period_ok", d.period_ok);
    out.add("plate_freq_hz", d.plate_freq_hz);
    out.add("hf_cutoff_hz", d.hf_cutoff_hz);
    out.add("lowest_diffusion_hz", d.lowest_diffusion_hz);
    out.add("seating_distance_mm", d.seating_distance_mm);
    const DesignTexts& r = form.texts();
    out.add("width_strategy_note", form.texts().width_strategy_note);
    out.add("Label14", form.texts().well_width_caption);
    out.add("Label6", r.cutoffs);
    out.add("Label11", r.seating_distance);
    out.add("Label13", r.period_width);
    std::string tiles;
    for (const Rgb& tile : r.tile_colours) tiles += (tiles.empty() ? "" : " ") + rgb_text(tile);
    out.add("score_tiles", tiles);
    out.add("true_diffusion_text", r.true_diffusion_text);
    // The summary's own line breaks are CR LF; shown here one result per line.
    std::string summary;
    for (const char ch : r.score_summary) {
        if (ch != '\r') summary += ch == '\n' ? '|' : ch;
    }
    out.add("score_summary", summary);
    return out.take();
}

}  // namespace welkin
