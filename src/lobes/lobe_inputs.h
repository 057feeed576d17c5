// What the lobe analysis reads of a design and its recompute's results, for
// any design held as a value, on screen or not.
#pragma once

#include "core/design.h"
#include "core/width_analysis.h"
#include "lobes/lobe_analysis.h"

namespace welkin {

LobeInputs lobe_inputs_of(const Design& d, const DesignResults& r);

}  // namespace welkin
