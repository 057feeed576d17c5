// The boundary-element prediction of a surface's response, in the shape the
// far-field model gives it: energies on an arc of receivers, the diffusion
// coefficient, its flat reference and normalised value, per frequency or
// per one-third-octave band, for one or several source angles at once.
//
// The surface is thin rigid panels with its rear open; the flat reference
// is a thin strip of the same width. The source is a line source at
// source_distance_m and the receivers lie on a half circle of
// receiver_distance_m, both about the centre of the front face. The
// system is factorised once per frequency and solved for every source
// angle asked.
//
// A band's energies are summed over its seven frequencies as the receivers
// hear them from a source of one strength, not each referred to its own
// peak first: frequencies where the surface acts as a mirror then weigh as
// much as they sound.
#pragma once

#include <atomic>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "response/diffusion.h"
#include "response/far_field.h"
#include "response/surface.h"
#include "units/result.h"

namespace welkin::bem {

struct Setup {
    double source_distance_m = 100;
    double receiver_distance_m = 50;
    double speed_m_s = default_speed_of_sound_m_s;
    // Elements per wavelength, and per width of the narrowest well (the
    // finer rule applies), so low bands still resolve the wells' corners.
    double elements_per_wavelength = 8;
    double elements_per_well = 2;
    // How many times the element at each end of a panel is cut to a
    // quarter toward it: the jump across a thin panel changes fastest at
    // free edges, corners and joints, and without these the band values
    // move by up to 0.06 when the elements are halved (0.009 with one cut,
    // 0.003 with two, on one period of the published diffuser).
    int edge_layers = 2;
    // Threads working at once; 0 for one per core.
    int threads = 0;
};

// The highest frequency the solver takes, a little above the top band.
inline constexpr double max_frequency_hz = 6000;
// Most elements one problem may have; its matrix then takes 16 n^2 bytes,
// 256 MB, factorised in place.
inline constexpr int max_elements = 4000;
// What the solves running at once may hold together: fewer run side by
// side when their matrices are large, whatever the number of cores.
inline constexpr double memory_budget_bytes = 1024.0 * 1024 * 1024;

inline constexpr std::string_view distance_error_text =
    "The source and receiver distances must be positive";
inline constexpr std::string_view frequency_error_text =
    "The frequency must be above 0 and at most 6000 Hz";
inline constexpr std::string_view mesh_error_text =
    "The surface is too large to be solved by boundary elements at this frequency";

// The ten source angles whose coefficients the random-incidence value
// averages: the midpoints of ten equal slices of 0..90 degrees.
std::vector<double> random_incidence_angles_deg();

// Called after each band with its index and one value per source angle;
// return false to stop.
using BandDone = std::function<void(std::size_t band, const std::vector<BandValue>& per_angle)>;

struct Control {
    const std::atomic<bool>* cancel = nullptr;
    BandDone band_done;
};

// One band table per source angle, bands 100 Hz to 5 kHz. Fails with the
// reason for bad input, or "Cancelled" when stopped.
Result<std::vector<std::vector<BandValue>>> band_tables(const Surface& surface,
                                                        std::span<const double> source_angles_deg,
                                                        const Setup& setup,
                                                        const Control& control = {});

// Per band, the mean of the normalised coefficients of several tables.
std::vector<BandValue> mean_table(const std::vector<std::vector<BandValue>>& tables);

// One frequency on the given receiver angles for one source angle: energies
// referred to their peak (surface and flat) and the coefficients.
Result<ArcResponse> arc_response(const Surface& surface, const Sound& sound,
                                 std::span<const double> receiver_angles_deg, const Setup& setup,
                                 const Control& control = {});

// The bytes one solve of n elements holds: its matrix and its right-hand
// sides and receivers.
double solve_bytes(std::size_t elements);

// How many solves of n elements run side by side: one a core, as many as
// the budget holds, at least one.
int solves_at_once(std::size_t elements, const Setup& setup);

// The most memory a band table of the surface takes: the solves at once at
// its top frequency. Refused as too large to mesh beyond max_elements.
Result<double> band_table_bytes(const Surface& surface, const Setup& setup);

}  // namespace welkin::bem
