// A 1D panel design's inputs and menu choices.
//
// Lengths are millimetres and frequencies hertz; the unit mode only changes
// how lengths are typed and shown. Everything that follows from a design,
// its well sequence first, is a recompute's (core/design_snapshot); the main
// window's handlers (MainForm) are the only writers of the design on screen.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "units/result.h"
#include "units/unit_mode.h"

namespace welkin {

// The panel orders the program accepts.
inline constexpr std::array<int, 25> primes = {3,  5,  7,  11, 13, 17, 19, 23, 29, 31, 37, 41, 43,
                                               47, 53, 59, 61, 67, 71, 73, 79, 83, 89, 97, 101};
inline constexpr int min_well_count = 3;
inline constexpr int max_well_count = 101;

// The speed of sound (344 m/s) in mm/s, and half of it, which turns a
// frequency into a half wavelength.
inline constexpr double sound_speed_mm_s = 344000.0;
inline constexpr double half_sound_speed_mm_s = sound_speed_mm_s / 2;

// A listener should sit at least this many wavelengths of the lowest
// diffused frequency from the panel.
inline constexpr double seating_wavelengths = 3;

bool is_panel_order(double n);

// The number of wells typed in the well count field, or why it is refused.
Result<int> panel_order(std::string_view text);

// Which of the three depth quantities the user types; the other two follow.
enum class LockMode { freq, depth, build_2d };

// "freq", "depth" or "2d", as files and the batch program name the locks.
std::string_view lock_mode_text(LockMode lock);

// The panel drawing scales of the Display menu, in its order; 0 stretches.
inline constexpr std::array<int, 5> vertical_scales = {0, 350, 800, 1500, 2500};

using WellSequence = std::array<std::int16_t, max_well_count + 1>;

// The visualiser's arrangements and colour schemes, in the order of their
// menu items.
enum class Arrangement {
    current_panel,
    two_panels,
    two_panels_barker,
    three_panels,
    three_panels_oneinverse,
    three_panels_barker
};
enum class ColourScheme { kit_kat, arizona_sunset, the_blues, welkin_green };

// The visualiser window's menu choices. Its place on screen is the
// window's, kept with the files (ProjectFiles::visualiser_place).
struct VisualiserSettings {
    bool shown = false;  // "Show Visualizer"
    Arrangement arrangement = Arrangement::current_panel;
    ColourScheme colours = ColourScheme::the_blues;
    bool highlight_inverse = true;
};

struct Design {
    int well_count = 7;
    double design_freq_hz = 600;
    double design_half_wavelength_mm = 0;
    double deepest_well_mm = 0;
    double build_depth_2d_mm = 0;
    double fin_width_mm = 0;
    double well_width_mm = 0;

    // The sequence follows from these (core/sequence: panel_sequence).
    int wheel_shift = 0;  // phase-wheel rotation a, 0..N-1
    int side_shift = 0;   // one-well left rotations, 0..N-1
    bool keep_side_shift = false;
    bool inverse_panel = false;
    bool optimise_once = false;

    int vertical_scale_mm = 0;  // 0 (stretch), 350, 800, 1500 or 2500
    UnitMode unit_mode = UnitMode::metric;
    LockMode lock = LockMode::freq;

    // Menu check marks that the computation reads.
    bool advanced = false;
    bool auto_optimise = false;
    bool inverse_pairing = false;
    bool optimise_2d = true;
    bool auto_well_width = true;
    bool half_width = false;
    VisualiserSettings visualiser;
};

}  // namespace welkin
