// The scorecard window's model: the four tests in full sentences, each with
// the icon of its score tile, and the well-width strategy. It computes
// nothing; every recompute's texts are read from the main form.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "core/design_texts.h"
#include "forms/help_links.h"
#include "panel1d/scorecard_pictures.h"

namespace welkin {

inline constexpr std::string_view scorecard_title = "Welkin: Scorecard";

// The icon that matches a score tile's colour; none before the tile has one.
std::optional<ScoreIcon> icon_for_tile(Rgb tile_colour);

struct ScorecardRow {
    Illustration illustration;
    HelpPage help;
    std::string headline;
    std::string consequence;  // empty when the test passed
    std::optional<ScoreIcon> icon;
};

struct ScorecardView {
    std::string heading;
    std::array<ScorecardRow, 4> rows;  // period, viscous, plate, usable range
    std::string strategy_heading;
    std::string strategy_line;
};

ScorecardView scorecard_view(const DesignTexts& texts);

}  // namespace welkin
