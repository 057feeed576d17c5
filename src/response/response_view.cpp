#include "response/response_view.h"

namespace welkin {

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
    v.levels_db = levels_db(relative_energies(surface, sound, v.plot_angles_deg));
    v.flat_levels_db = levels_db(relative_energies(flat_of(surface), sound, v.plot_angles_deg));
    v.arc = *arc;
    v.bands = *bands;
    v.usable = usable;
    return v;
}

}  // namespace welkin
