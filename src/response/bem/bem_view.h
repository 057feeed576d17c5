// Everything the response window and the command line show for one sound,
// from the boundary-element model: the polar curves, the 37-point arc, the
// band table at the source angle and the random-incidence table.
#pragma once

#include <optional>
#include <vector>

#include "response/bem/bem_response.h"
#include "response/response_view.h"

namespace welkin::bem {

// Half-degree polar curves: each point is a receiver to evaluate.
inline constexpr int polar_plot_intervals = 360;

// Without `with_bands` only the one frequency is solved and the tables are
// left empty.
Result<ResponseView> bem_response_view(const Surface& surface, const Sound& sound,
                                       std::optional<UsableBand> usable, bool with_bands,
                                       const Setup& setup, const Control& control = {});

// The source angles a view's band tables are solved for, together: the
// sound's own first, then the ten random-incidence angles.
std::vector<double> view_source_angles(const Sound& sound);

// The band tables of view_source_angles put into the view: the first as its
// bands, the mean of the rest as its random-incidence bands.
void add_band_tables(ResponseView& view, const std::vector<std::vector<BandValue>>& tables);

}  // namespace welkin::bem
