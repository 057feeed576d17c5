// The quadratic residue well sequence and the conversions between the three
// quantities that fix the depths: design frequency, deepest well and 2D
// build depth.
#pragma once

#include <cstddef>

#include "core/design.h"

namespace welkin {

// The depth of each well in depth units (the design half wavelength / N),
// and the extremes: what a design's well count, wheel shift, inverse choice
// and side shift make. Entries 0..N are used, entry N repeating entry 0 as
// generated.
struct PanelSequence {
    WellSequence wells{};
    int max_units = 0;
    int min_units = 0;

    int at(int well) const { return wells[static_cast<std::size_t>(well)]; }
};

// (i^2 + wheel_shift) mod N for i = 0..N, or N minus that for an inverse
// panel, before any side shift. Needs a valid well_count.
PanelSequence generate_sequence(const Design& d);

// Rotates wells 0..N-1 of an N-well sequence to the left (a negative count
// to the right); entry N stays as generated.
void rotate_left(PanelSequence& s, int n, int wells);

// The design's sequence: generated, then turned left by its side shift.
PanelSequence panel_sequence(const Design& d);

// Depth of a well of `units` depth units, unrounded, in mm.
double well_depth_mm(const Design& d, int units);

// Frequency lock: half wavelength = Int(172000 / f0 + 1).
double half_wavelength_from_freq(double freq_hz);
// Depth and 2D locks derive the frequency back: Int(172000 / half + 1).
double freq_from_half_wavelength(double half_wavelength_mm);
// Depth lock: Int(N x deepest / max_units + 0.5).
double half_wavelength_from_deepest(double deepest_mm, int max_units, int n);
// Int(max_units x half / N + 0.5).
double deepest_from_half_wavelength(double half_wavelength_mm, int max_units, int n);

// A finned inverse panel built without 2D depth optimisation keeps its
// N-depth wells, so its 2D build depth is the full half wavelength.
bool build_2d_keeps_full_depth(const Design& d);
// 2D build depth from the half wavelength (frequency and depth locks).
double build_depth_2d_from_half_wavelength(const Design& d, double half_wavelength_mm);
// 2D build lock: the half wavelength from the typed build depth (unrounded).
double half_wavelength_from_build_depth_2d(const Design& d, double build_depth_mm);

}  // namespace welkin
