// The width and frequency analysis of a design whose depths are known: the
// well widths it needs, its usable frequency range, the four ratings with
// their score tiles, and every text they put on screen and in the report.
//
// The recompute calls, in this order: analyse_widths, then (auto-wells) sets
// the well width and the shown width, then label14_caption and rate_design.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/design.h"
#include "canvas/rgb.h"

namespace welkin {

enum class Verdict { good, doubtful, bad };

inline constexpr Rgb rgb_score_good{115, 164, 110};
inline constexpr Rgb rgb_score_doubtful{255, 192, 128};
inline constexpr Rgb rgb_score_bad{209, 96, 80};

Rgb score_colour(Verdict v);

// Which score tile (tile_colours index) shows which test.
inline constexpr std::size_t score_period = 0;
inline constexpr std::size_t score_viscous = 1;
inline constexpr std::size_t score_range = 2;
inline constexpr std::size_t score_plate = 3;

// Sets period_fix_width_mm, viscous_min_width_mm and recommended_width_mm;
// returns width_strategy_note, naming the rule that won.
std::string analyse_widths(Design& d);

// The well width field's label: automatic, or the recommendation.
std::string label14_caption(const Design& d);

// The scorecard window's texts. Each test's icon follows its score tile.
struct ScorecardTexts {
    std::string heading;  // the current well width
    std::string period_headline;
    std::string period_consequence;  // empty when the test passed
    std::string viscous_headline;
    std::string viscous_consequence;  // empty when the test passed
    std::string plate_message;
    std::string range_headline;  // the HF cutoff over the design frequency
    std::string true_diffusion;
    std::string strategy_heading;
    std::string strategy_line;
};

// What the recompute shows and prints, in the unit mode in force.
struct DesignTexts {
    std::array<Rgb, 4> tile_colours{};  // indexed as score_period etc.
    std::array<Verdict, 4> verdicts{};
    std::string range_rating;  // "Good", "Questionable" or "CRITICAL"
    std::string range_note;    // why the usable range is limited; empty when it is not
    std::string true_diffusion_text;
    std::string score_summary;  // the four results, true diffusion and strategy, CR LF separated
    std::string cutoffs;             // main window: scatter, diffuse and HF cutoff frequencies
    std::string seating_distance;    // main window: minimum seating distance
    std::string period_width;        // main window: period width
    std::string well_width_caption;  // the well width field's label
    std::string width_strategy_note;  // which rule set the recommended width
    ScorecardTexts scorecard;
};

// Everything after the widths: sets panel_width_mm, period_width_mm,
// period_ok, plate_freq_hz, hf_cutoff_hz (capped at the plate frequency),
// lowest_diffusion_hz and seating_distance_mm, and rates the design.
// Reads well_width_shown_mm, which the caller fills from the field.
DesignTexts rate_design(Design& d, std::string_view width_strategy_note);

}  // namespace welkin
