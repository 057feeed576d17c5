// The width and frequency analysis of a design whose depths are known: the
// well widths it needs, its usable frequency range and the four ratings.
// Numbers and verdicts only; design_texts.h describes them.
//
// The recompute runs analyse_widths, then (auto-wells) sets the well width
// from the recommendation, then rate_design with the width the well width
// field shows.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "core/design.h"
#include "core/sequence.h"

namespace welkin {

enum class Verdict { good, doubtful, bad };

// Which score tile shows which test.
inline constexpr std::size_t score_period = 0;
inline constexpr std::size_t score_viscous = 1;
inline constexpr std::size_t score_range = 2;
inline constexpr std::size_t score_plate = 3;

struct WidthAnalysis {
    double period_fix_width_mm = 0;   // narrowest well width giving a period of one wavelength
    double viscous_min_width_mm = 0;  // narrowest well width against viscous losses
    double recommended_width_mm = 0;
    bool viscous_rule = false;  // the viscous limit, not the period, set the recommendation
};

WidthAnalysis analyse_widths(const Design& d, const PanelSequence& s);

// What a completed recompute found. Every window reads it from the form.
struct DesignResults {
    WidthAnalysis widths;
    double well_width_shown_mm = 0;  // the well width field's own value
    double panel_width_mm = 0;       // N x (fin + shown well width): drawing scale, labels
    double period_width_mm = 0;      // N x (fin + well width): the ratings
    bool period_ok = false;          // the period spans the design wavelength
    double plate_freq_hz = 0;
    double well_cutoff_hz = 0;        // the wells' own HF cutoff, before the plate caps it
    bool plate_limits_range = false;  // the plate frequency is at or below the wells' cutoff
    double hf_cutoff_hz = 0;          // the top of the usable range
    double range_ratio = 0;           // hf_cutoff over the design frequency, cut to tenths
    double lowest_diffusion_hz = 0;
    double seating_distance_mm = 0;
    std::vector<double> true_diffusion_hz;  // multiples of f0 whose wavelength fits the period
    std::array<Verdict, 4> verdicts{};      // indexed as score_period etc.
};

// Rates the design, its widths analysed and its well width set.
DesignResults rate_design(const Design& d, const WidthAnalysis& widths, double well_width_shown_mm);

}  // namespace welkin
