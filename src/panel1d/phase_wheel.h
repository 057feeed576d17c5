// The phase wheel: one spoke per phase shift the wells produce,
// on a 202 x 202 square with the centre at (100, 100).
#pragma once

#include <string_view>

#include "canvas/canvas.h"
#include "canvas/rgb.h"
#include "core/design.h"
#include "core/design_snapshot.h"

namespace welkin {

inline constexpr std::string_view phase_wheel_tip =
    "Phase shifts produced by wells at the design frequency. Unused shifts are shown as grey "
    "spokes. Spoke position does not correspont to well position. In Advanced mode, the shift "
    "produced by the 1st well is shown as a spoke with a red tip";

// The program's full turn, a hair short of 2 pi, so that a depth of N lands
// just before the top spoke. The scatter sketch shares it.
inline constexpr double full_turn = 6.282;

inline constexpr Rgb phase_wheel_background{224, 224, 224};
inline constexpr Rgb unused_spoke_colour{216, 216, 216};
inline constexpr Rgb first_well_tip_colour{255, 0, 0};
inline constexpr Rgb phase_wheel_rim_colour{180, 180, 180};

void paint_phase_wheel(const DesignSnapshot& s, Canvas& canvas);

}  // namespace welkin
