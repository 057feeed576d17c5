// Designs as the frequency lock leaves them, for the painter tests.
#pragma once

#include "core/design.h"
#include "core/design_snapshot.h"
#include "core/sequence.h"

namespace welkin {

inline Design design_at(int n, double freq_hz, bool inverse = false) {
    Design d;
    d.well_count = n;
    d.inverse_panel = inverse;
    d.design_freq_hz = freq_hz;
    d.design_half_wavelength_mm = half_wavelength_from_freq(freq_hz);
    d.deepest_well_mm =
        deepest_from_half_wavelength(d.design_half_wavelength_mm, panel_sequence(d).max_units, n);
    return d;
}

// The design as a recompute hands it to the painters: with the wells its
// shifts make.
inline DesignSnapshot drawn(const Design& d) {
    DesignSnapshot s;
    s.design = d;
    s.sequence = panel_sequence(d);
    return s;
}

}  // namespace welkin
