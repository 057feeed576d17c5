// The far-field (Fraunhofer) pressure scattered by a surface of wells in a
// single plane: rigid wells, no edge diffraction, source and receiver far
// away. For a source at psi and a receiver at theta, with k = 2 pi f / c and
// S = sin theta + sin psi,
//
//   p = (cos theta + cos psi) / 2 x integral over the footprint of
//       exp(-2 j k depth(x)) exp(j k x S) dx,
//
// which for wells of width w gives each well's w sinc(k w S / 2) term. The
// flat part of the footprint is counted as the whole footprint flat plus
// each well's difference from flat, so fins cost nothing, and the periods
// side by side are a geometric series, so the cost does not grow with them.
#pragma once

#include <complex>
#include <span>
#include <string_view>
#include <vector>

#include "core/design.h"
#include "response/surface.h"
#include "units/length_text.h"
#include "units/result.h"

namespace welkin {

inline constexpr double default_speed_of_sound_m_s = sound_speed_mm_s / mm_per_metre;

struct Sound {
    double frequency_hz = 0;
    double source_angle_deg = 0;  // from the normal, -90..90
    double speed_m_s = default_speed_of_sound_m_s;

    friend bool operator==(const Sound&, const Sound&) = default;
};

inline constexpr std::string_view sound_error_text =
    "The frequency and the speed of sound must be positive and the source angle between -90 "
    "and 90 degrees";

Result<Sound> checked_sound(Sound sound);

// The surface's response to one sound, ready to be asked at any receiver angle.
class FarField {
public:
    // Keeps a reference to the surface, which must outlive it.
    FarField(const Surface& surface, const Sound& sound);
    FarField(Surface&&, const Sound&) = delete;
    // |p| at a receiver angle in degrees; the scale is the model's own
    // (millimetres of footprint), so only ratios mean anything.
    double pressure(double receiver_deg) const;

private:
    // The wells' sum, sum of term x sinc(u w / 2) x exp(j u centre), for u = k S.
    std::complex<double> wells_sum(double u) const;

    const Surface& surface_;
    double k_;  // radians per millimetre
    double sin_source_;
    double cos_source_;
    // Each well's width x (exp(-2 j k depth) - 1), its difference from flat.
    std::vector<std::complex<double>> well_terms_;
    // Wells of one width on one pitch (a designed panel) turn a phase per
    // well into one complex product per well.
    bool on_pitch_ = false;
    double pitch_mm_ = 0;
};

// The 37 receiver angles -90, -85, ..., 90 on which coefficients are taken.
std::vector<double> iso_arc_deg();
// -90..90 in steps of 180 / intervals degrees, for plots.
std::vector<double> fine_arc_deg(int intervals);

// |p|^2 on the arc in the model's own scale, so that two surfaces of one
// footprint can be compared.
std::vector<double> energies(const Surface& surface, const Sound& sound,
                             std::span<const double> angles_deg);

// |p|^2 on the arc, referred to its largest value (1 at the peak; all 0 when
// the surface is silent everywhere on the arc).
std::vector<double> relative_energies(const Surface& surface, const Sound& sound,
                                      std::span<const double> angles_deg);

// 10 log10 of a relative energy, held at a floor where the pressure vanishes.
inline constexpr double level_floor_db = -200;
double level_db(double relative_energy);
std::vector<double> levels_db(std::span<const double> relative_energies);

}  // namespace welkin
