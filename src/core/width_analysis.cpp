#include "core/width_analysis.h"

#include <algorithm>
#include <cmath>

#include "units/numtext.h"

namespace welkin {

namespace {

// Narrower wells than this lose too much to viscous friction, however shallow.
constexpr double narrowest_viscous_width_mm = 25;
// A well may be at most this many times deeper than it is wide.
constexpr double viscous_depth_per_width = 16;
// Seating is at least three wavelengths of the lowest diffusion frequency away.

}  // namespace

WidthAnalysis analyse_widths(const Design& d, const PanelSequence& s) {
    WidthAnalysis w;
    const double n = d.well_count;
    const double half = d.design_half_wavelength_mm;
    w.period_fix_width_mm = int_floor(1 + 2 * half / n - d.fin_width_mm);
    w.recommended_width_mm = w.period_fix_width_mm;

    const double full_depth = round_half_up(half * (n - s.min_units) / n);
    const double depth = full_depth > d.deepest_well_mm ? full_depth : d.deepest_well_mm;
    w.viscous_min_width_mm =
        std::max(int_floor(depth / viscous_depth_per_width + 1), narrowest_viscous_width_mm);
    if (w.viscous_min_width_mm > w.recommended_width_mm) {
        w.recommended_width_mm = w.viscous_min_width_mm;
        w.viscous_rule = true;
    }
    return w;
}

namespace {

void rate_plate(const Design& d, DesignResults& r) {
    r.plate_freq_hz = d.well_count * d.design_freq_hz;
    // A well of no width sets no limit of its own; the plate frequency does.
    r.well_cutoff_hz = r.plate_freq_hz;
    if (d.well_width_mm > 0) {
        const double cutoff = int_floor(half_sound_speed_mm_s / d.well_width_mm);
        if (std::isfinite(cutoff)) r.well_cutoff_hz = cutoff;
    }
    r.plate_limits_range = !(r.well_cutoff_hz < r.plate_freq_hz);
    r.verdicts[score_plate] = r.plate_limits_range ? Verdict::doubtful : Verdict::good;
}

void rate_range(const Design& d, DesignResults& r) {
    // A cutoff at the plate frequency, whether lowered to it or there
    // already, leaves the plate limiting the range: questionable, as the
    // plate test rates it, not good.
    r.hf_cutoff_hz = r.plate_limits_range ? r.plate_freq_hz : r.well_cutoff_hz;
    r.range_ratio = int_floor(10 * r.hf_cutoff_hz / d.design_freq_hz) / 10;
    Verdict v = Verdict::good;
    if (r.range_ratio < 1) {
        v = Verdict::bad;
    } else if (r.range_ratio < 3 || r.plate_limits_range) {
        v = Verdict::doubtful;
    }
    r.verdicts[score_range] = v;
}

// Multiples of the design frequency up to the cutoff whose wavelength fits
// within the period.
std::vector<double> true_diffusion(const Design& d, const DesignResults& r) {
    std::vector<double> out;
    // The cutoff is at most the plate frequency N x f0, so N steps reach it.
    for (int i = 1; i <= d.well_count; ++i) {
        const double k = i * d.design_freq_hz;
        if (!(k <= r.hf_cutoff_hz)) break;
        if (int_floor(sound_speed_mm_s / k) <= r.period_width_mm) out.push_back(k);
    }
    return out;
}

void find_lowest_diffusion(const Design& d, DesignResults& r) {
    // With no period at all, nothing below the top of the range diffuses.
    double period_freq = r.hf_cutoff_hz;
    if (r.period_width_mm > 0) {
        const double f = int_floor(sound_speed_mm_s / r.period_width_mm);
        if (std::isfinite(f)) period_freq = f;
    }
    r.lowest_diffusion_hz = std::max(d.design_freq_hz, period_freq);
    r.seating_distance_mm =
        int_floor(seating_wavelengths * sound_speed_mm_s / r.lowest_diffusion_hz);
}

}  // namespace

DesignResults rate_design(const Design& d, const WidthAnalysis& widths,
                          double well_width_shown_mm) {
    DesignResults r;
    r.widths = widths;
    r.well_width_shown_mm = well_width_shown_mm;
    r.panel_width_mm = d.well_count * (d.fin_width_mm + well_width_shown_mm);

    r.period_width_mm = d.well_count * (d.fin_width_mm + d.well_width_mm);
    r.period_ok = !(r.period_width_mm < 2 * d.design_half_wavelength_mm);
    r.verdicts[score_period] = r.period_ok ? Verdict::good : Verdict::bad;
    r.verdicts[score_viscous] =
        d.well_width_mm < widths.viscous_min_width_mm ? Verdict::bad : Verdict::good;
    rate_plate(d, r);
    rate_range(d, r);
    r.true_diffusion_hz = true_diffusion(d, r);
    find_lowest_diffusion(d, r);
    return r;
}

}  // namespace welkin
