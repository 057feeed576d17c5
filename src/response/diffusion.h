// How evenly a surface spreads sound: the directional diffusion coefficient
// on the 37-point arc, the same for the flat surface of the same footprint,
// and the coefficient normalised to it, at one frequency or per
// one-third-octave band.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "response/far_field.h"
#include "response/surface.h"
#include "units/result.h"

namespace welkin {

// From energies on n receiver angles:
// d = ((sum E)^2 - sum E^2) / ((n - 1) sum E^2); 1 when every angle hears
// the same, near 0 when one angle hears it all.
double diffusion_coefficient(std::span<const double> energies);

struct Diffusion {
    double d = 0;
    double d_flat = 0;
    double d_n = 0;  // (d - d_flat) / (1 - d_flat)
};

Diffusion normalised_diffusion(double d, double d_flat);

// One frequency on the 37-point arc.
struct ArcResponse {
    std::vector<double> angles_deg;
    std::vector<double> energies;       // relative to the surface's peak
    std::vector<double> flat_energies;  // relative to the flat surface's peak
    Diffusion diffusion;
};

Result<ArcResponse> iso_response(const Surface& surface, const Sound& sound);

// The nominal one-third-octave centres from 100 Hz to 5 kHz.
inline constexpr std::array<double, 18> third_octave_centres_hz = {
    100, 125,  160,  200,  250,  315,  400,  500,  630,
    800, 1000, 1250, 1600, 2000, 2500, 3150, 4000, 5000};
// Frequencies averaged in a band: geometrically spaced over centre x 2^(-1/6)
// .. centre x 2^(1/6).
inline constexpr int frequencies_per_band = 7;
std::array<double, frequencies_per_band> band_frequencies_hz(double centre_hz);

struct BandValue {
    double centre_hz = 0;
    Diffusion diffusion;
};

// Each band's coefficients from the energies, each referred to its own
// frequency's peak, averaged over the band's frequencies.
Result<std::vector<BandValue>> band_table(const Surface& surface, double source_angle_deg,
                                          double speed_m_s = default_speed_of_sound_m_s);

}  // namespace welkin
