// The quadratic residue well sequence and the conversions between the three
// quantities that fix the depths: design frequency, deepest well and 2D
// build depth.
#pragma once

#include "core/design.h"

namespace welkin {

// Fills well_seq[0..N] with (i^2 + wheel_shift) mod N, or N minus that for
// an inverse panel, and sets seq_max / seq_min. Needs a valid well_count.
void generate_sequence(Design& d);

// Rotate well_seq[0..N-1] by one or more wells; entry N stays as generated.
void rotate_left(Design& d, int wells);
void rotate_right(Design& d, int wells);

// Depth of a well of `units` depth units, unrounded, in mm.
double well_depth_mm(const Design& d, int units);

// Frequency lock: half wavelength = Int(172000 / f0 + 1).
double half_wavelength_from_freq(double freq_hz);
// Depth and 2D locks derive the frequency back: Int(172000 / half + 1).
double freq_from_half_wavelength(double half_wavelength_mm);
// Depth lock: Int(N x deepest / seq_max + 0.5).
double half_wavelength_from_deepest(double deepest_mm, int seq_max, int n);
// Int(seq_max x half / N + 0.5).
double deepest_from_half_wavelength(double half_wavelength_mm, int seq_max, int n);

// A finned inverse panel built without 2D depth optimisation keeps its
// N-depth wells, so its 2D build depth is the full half wavelength.
bool build_2d_keeps_full_depth(const Design& d);
// 2D build depth from the half wavelength (frequency and depth locks).
double build_depth_2d_from_half_wavelength(const Design& d, double half_wavelength_mm);
// 2D build lock: the half wavelength from the typed build depth (unrounded).
double half_wavelength_from_build_depth_2d(const Design& d, double build_depth_mm);

}  // namespace welkin
