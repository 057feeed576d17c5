// The scattering sketch under the cross-section: one ray per pair
// of neighbouring wells, tilted by the phase step between them. Logical
// size N wide and 1 high, the rays rising from the bottom edge.
#pragma once

#include <string_view>

#include "canvas/canvas.h"
#include "core/design.h"
#include "core/design_snapshot.h"

namespace welkin {

inline constexpr std::string_view scatter_tip =
    "Visualisation of scattering at design frequency for comparison purposes only. Actual "
    "scattering will be much more complex";

void paint_scatter(const DesignSnapshot& s, Canvas& canvas);

}  // namespace welkin
