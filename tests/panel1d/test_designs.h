// Designs as the frequency lock leaves them, for the painter tests.
#pragma once

#include "core/design.h"
#include "core/sequence.h"

namespace welkin {

inline Design design_at(int n, double freq_hz, bool inverse = false) {
    Design d;
    d.well_count = n;
    d.inverse_panel = inverse;
    generate_sequence(d);
    d.design_freq_hz = freq_hz;
    d.design_half_wavelength_mm = half_wavelength_from_freq(freq_hz);
    d.deepest_well_mm = deepest_from_half_wavelength(d.design_half_wavelength_mm, d.seq_max, n);
    return d;
}

}  // namespace welkin
