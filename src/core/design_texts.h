// What a rated design shows on screen and in the 1D report, in the unit
// mode in force: the score tiles, the scorecard's messages, the main
// window's result labels and the summary the report prints.
#pragma once

#include <array>
#include <string>

#include "canvas/rgb.h"
#include "core/design.h"
#include "core/width_analysis.h"

namespace welkin {

inline constexpr Rgb rgb_score_good{115, 164, 110};
inline constexpr Rgb rgb_score_doubtful{255, 192, 128};
inline constexpr Rgb rgb_score_bad{209, 96, 80};

Rgb score_colour(Verdict v);

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

struct DesignTexts {
    std::array<Rgb, 4> tile_colours{};  // indexed as score_period etc.
    std::array<Verdict, 4> verdicts{};
    std::string range_rating;  // "Good", "Questionable" or "CRITICAL"
    std::string range_note;    // why the usable range is limited; empty when it is not
    std::string true_diffusion_text;
    std::string score_summary;     // the four results, true diffusion and strategy, CR LF separated
    std::string cutoffs;           // main window: scatter, diffuse and HF cutoff frequencies
    std::string seating_distance;  // main window: minimum seating distance
    std::string period_width;      // main window: period width
    std::string well_width_caption;   // the well width field's label
    std::string width_strategy_note;  // which rule set the recommended width
    ScorecardTexts scorecard;
};

// Names the rule that set the recommended width.
std::string width_strategy_note(const WidthAnalysis& w, UnitMode mode);

// The well width field's label: automatic, or the recommendation.
std::string well_width_caption(const Design& d, const WidthAnalysis& w);

DesignTexts describe_design(const Design& d, const DesignResults& r);

}  // namespace welkin
