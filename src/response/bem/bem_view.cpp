#include "response/bem/bem_view.h"

#include <algorithm>
#include <vector>

namespace welkin::bem {

namespace {

std::vector<double> referred_to_peak(std::vector<double> e) {
    const double peak = *std::max_element(e.begin(), e.end());
    if (peak > 0) {
        for (double& x : e) x /= peak;
    }
    return e;
}

}  // namespace

Result<ResponseView> bem_response_view(const Surface& surface, const Sound& sound,
                                       std::optional<UsableBand> usable, bool with_bands,
                                       const Setup& setup, const Control& control) {
    Setup own = setup;
    own.speed_m_s = sound.speed_m_s;
    ResponseView v;
    v.model = ResponseModel::boundary_elements;
    v.sound = sound;
    v.panels = surface.periods;
    v.usable = usable;
    v.source_distance_m = own.source_distance_m;
    v.receiver_distance_m = own.receiver_distance_m;
    // The plot's receivers and the arc's, solved together.
    v.plot_angles_deg = fine_arc_deg(polar_plot_intervals);
    std::vector<double> receivers = v.plot_angles_deg;
    const std::vector<double> arc = iso_arc_deg();
    receivers.insert(receivers.end(), arc.begin(), arc.end());
    const Result<ArcResponse> all = arc_response(surface, sound, receivers, own, control);
    if (!all) return Result<ResponseView>::failure(all.message());
    const std::size_t plot = v.plot_angles_deg.size();
    auto levels_of = [&](const std::vector<double>& e) {
        std::vector<double> head(e.begin(), e.begin() + static_cast<std::ptrdiff_t>(plot));
        std::vector<double> tail(e.begin() + static_cast<std::ptrdiff_t>(plot), e.end());
        return std::pair{referred_to_peak(head), referred_to_peak(tail)};
    };
    auto [levels, arc_energies] = levels_of(all->energies);
    auto [flat_levels, arc_flat] = levels_of(all->flat_energies);
    v.levels_db = levels_db(levels);
    v.flat_levels_db = levels_db(flat_levels);
    v.arc = {arc, arc_energies, arc_flat,
             normalised_diffusion(diffusion_coefficient(arc_energies),
                                  diffusion_coefficient(arc_flat))};
    if (!with_bands) return v;
    const auto tables = band_tables(surface, view_source_angles(sound), own, control);
    if (!tables) return Result<ResponseView>::failure(tables.message());
    add_band_tables(v, *tables);
    return v;
}

std::vector<double> view_source_angles(const Sound& sound) {
    std::vector<double> sources = {sound.source_angle_deg};
    for (double a : random_incidence_angles_deg()) sources.push_back(a);
    return sources;
}

void add_band_tables(ResponseView& view, const std::vector<std::vector<BandValue>>& tables) {
    if (tables.empty()) return;
    view.bands = tables.front();
    view.random_incidence_bands =
        mean_table(std::vector<std::vector<BandValue>>(tables.begin() + 1, tables.end()));
}

}  // namespace welkin::bem
