#include "response/response_view.h"

#include <algorithm>

namespace welkin {

namespace {

std::vector<double> referred_to(std::vector<double> energies, double peak) {
    if (peak > 0) {
        for (double& e : energies) e /= peak;
    }
    return energies;
}

}  // namespace

Result<ResponseView> response_view(const Surface& surface, const Sound& sound,
                                   std::optional<UsableBand> usable) {
    Result<ArcResponse> arc = iso_response(surface, sound);
    if (!arc) return Result<ResponseView>::failure(arc.message());
    Result<std::vector<BandValue>> bands =
        band_table(surface, sound.source_angle_deg, sound.speed_m_s);
    if (!bands) return Result<ResponseView>::failure(bands.message());

    ResponseView v;
    v.sound = sound;
    v.panels = surface.periods;
    v.plot_angles_deg = fine_arc_deg(polar_plot_intervals);
    const std::vector<double> e = energies(surface, sound, v.plot_angles_deg);
    const std::vector<double> flat_e = energies(flat_of(surface), sound, v.plot_angles_deg);
    const double peak = *std::max_element(e.begin(), e.end());
    const double flat_peak = *std::max_element(flat_e.begin(), flat_e.end());
    v.levels_db = levels_db(referred_to(e, peak));
    v.flat_levels_db = levels_db(referred_to(flat_e, flat_peak));
    if (flat_peak > 0) v.peak_over_flat_db = level_db(peak / flat_peak);
    v.arc = *arc;
    v.bands = *bands;
    v.usable = usable;
    return v;
}

std::vector<double> drawn_levels_db(const ResponseView& view) {
    if (!view.common_reference || !view.peak_over_flat_db) return view.levels_db;
    std::vector<double> out = view.levels_db;
    for (double& level : out) level = std::max(level + *view.peak_over_flat_db, level_floor_db);
    return out;
}

}  // namespace welkin
