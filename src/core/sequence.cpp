#include "core/sequence.h"

#include <algorithm>

#include "units/numtext.h"

namespace welkin {

void generate_sequence(Design& d) {
    const int n = d.well_count;
    d.seq_max = 0;
    d.seq_min = n;
    // Reduce the shift first: the square is small, so nothing can overflow.
    const int a = ((d.wheel_shift % n) + n) % n;
    for (int i = 0; i <= n; ++i) {
        const int residue = (i * i % n + a) % n;
        const int value = d.inverse_panel ? n - residue : residue;
        d.well_seq[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(value);
        d.seq_max = std::max(d.seq_max, value);
        d.seq_min = std::min(d.seq_min, value);
    }
}

namespace {

int normalised_steps(int wells, int n) {
    return ((wells % n) + n) % n;
}

}  // namespace

void rotate_left(Design& d, int wells) {
    const int n = d.well_count;
    const auto first = d.well_seq.begin();
    std::rotate(first, first + normalised_steps(wells, n), first + n);
}

void rotate_right(Design& d, int wells) {
    rotate_left(d, -wells);
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

double half_wavelength_from_deepest(double deepest_mm, int seq_max, int n) {
    return round_half_up(n * (deepest_mm / seq_max));
}

double deepest_from_half_wavelength(double half_wavelength_mm, int seq_max, int n) {
    return round_half_up(seq_max * half_wavelength_mm / n);
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
