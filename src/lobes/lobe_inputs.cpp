#include "lobes/lobe_inputs.h"

namespace welkin {

LobeInputs lobe_inputs_of(const Design& d, const DesignResults& r) {
    return {.well_count = d.well_count,
            .design_freq_hz = d.design_freq_hz,
            .well_width_mm = d.well_width_mm,
            .period_width_mm = r.period_width_mm,
            .plate_freq_hz = r.plate_freq_hz,
            .unit_mode = d.unit_mode};
}

}  // namespace welkin
