#include "core/sequence.h"

#include <algorithm>

#include "units/numtext.h"

namespace welkin {

PanelSequence generate_sequence(const Design& d) {
    const int n = d.well_count;
    PanelSequence s;
    // A count outside the table (a damaged file) has no wells.
    if (n < 1 || n > max_well_count) return s;
    s.min_units = n;
    // Reduce the shift first: the square is small, so nothing can overflow.
    const int a = ((d.wheel_shift % n) + n) % n;
    for (int i = 0; i <= n; ++i) {
        const int residue = (i * i % n + a) % n;
        const int value = d.inverse_panel ? n - residue : residue;
        s.wells[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(value);
        s.max_units = std::max(s.max_units, value);
        s.min_units = std::min(s.min_units, value);
    }
    return s;
}

namespace {

int normalised_steps(int wells, int n) {
    return ((wells % n) + n) % n;
}

}  // namespace

void rotate_left(PanelSequence& s, int n, int wells) {
    if (n < 1 || n > max_well_count) return;  // no wells to turn
    const auto first = s.wells.begin();
    std::rotate(first, first + normalised_steps(wells, n), first + n);
}

PanelSequence panel_sequence(const Design& d) {
    PanelSequence s = generate_sequence(d);
    rotate_left(s, d.well_count, d.side_shift);
    return s;
}

double well_depth_mm(const Design& d, int units) {
    return units * d.design_half_wavelength_mm / d.well_count;
}

double half_wavelength_from_freq(double freq_hz) {
    return int_floor(half_sound_speed_mm_s / freq_hz + 1);
}

double freq_from_half_wavelength(double half_wavelength_mm) {
    return int_floor(half_sound_speed_mm_s / half_wavelength_mm + 1);
}

double half_wavelength_from_deepest(double deepest_mm, int max_units, int n) {
    return round_half_up(n * (deepest_mm / max_units));
}

double deepest_from_half_wavelength(double half_wavelength_mm, int max_units, int n) {
    return round_half_up(max_units * half_wavelength_mm / n);
}

bool build_2d_keeps_full_depth(const Design& d) {
    return d.inverse_panel && !d.optimise_2d && d.fin_width_mm != 0;
}

double build_depth_2d_from_half_wavelength(const Design& d, double half_wavelength_mm) {
    if (build_2d_keeps_full_depth(d)) return round_half_up(half_wavelength_mm);
    const int n = d.well_count;
    return round_half_up(half_wavelength_mm * (n - 1) / n);
}

double half_wavelength_from_build_depth_2d(const Design& d, double build_depth_mm) {
    if (build_2d_keeps_full_depth(d)) return build_depth_mm;
    const int n = d.well_count;
    return build_depth_mm * n / (n - 1);
}

}  // namespace welkin
