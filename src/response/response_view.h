// Everything the polar response window and its pictures show for one
// sound: the fine polar curves of the surface and its flat reference, the
// coefficients on the 37-point arc, the one-third-octave table and the
// usable range to shade. Computed once per change, drawn as often as needed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "response/diffusion.h"
#include "response/far_field.h"
#include "response/surface.h"
#include "units/result.h"

namespace welkin {

// The polar curves' resolution: a quarter of a degree.
inline constexpr int polar_plot_intervals = 720;

struct UsableBand {
    double low_hz = 0;
    double high_hz = 0;
};

// Which model drew a response.
enum class ResponseModel { far_field, boundary_elements };

struct ResponseView {
    ResponseModel model = ResponseModel::far_field;
    Sound sound;
    int panels = 1;
    std::vector<double> plot_angles_deg;
    std::vector<double> levels_db;       // the surface, 0 dB at its peak
    std::vector<double> flat_levels_db;  // the flat reference, 0 dB at its peak
    ArcResponse arc;                     // the 37-point arc and its coefficients
    std::vector<BandValue> bands;
    std::optional<UsableBand> usable;  // none when the design has no usable range
    // How far the surface's loudest direction lies above the flat
    // reference's, in dB; none when the flat reference is silent.
    std::optional<double> peak_over_flat_db;
    // Both curves drawn against the flat reference's peak rather than each
    // against its own, so that the drop at the specular angle shows.
    bool common_reference = false;
    // The design the surface was made from ("N 7 for 600 Hz, ..."); empty
    // for a surface given by its wells.
    std::string design_caption;
    // The mean over the random-incidence source angles; boundary elements only.
    std::vector<BandValue> random_incidence_bands;
    // Where the boundary-element model put the line source and the arc of
    // receivers, in metres from the surface's centre; 0 for the far field.
    double source_distance_m = 0;
    double receiver_distance_m = 0;
};

// The surface's levels as drawn: against its own peak, or against the flat
// reference's when the view asks for a common reference.
std::vector<double> drawn_levels_db(const ResponseView& view);

Result<ResponseView> response_view(const Surface& surface, const Sound& sound,
                                   std::optional<UsableBand> usable);

}  // namespace welkin
