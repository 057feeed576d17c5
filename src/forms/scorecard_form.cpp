#include "forms/scorecard_form.h"

namespace welkin {

std::optional<ScoreIcon> icon_for_tile(Rgb tile_colour) {
    if (tile_colour == rgb_score_good) return ScoreIcon::good;
    if (tile_colour == rgb_score_bad) return ScoreIcon::bad;
    if (tile_colour == rgb_score_doubtful) return ScoreIcon::doubtful;
    return std::nullopt;
}

ScorecardView scorecard_view(const DesignTexts& texts) {
    const ScorecardTexts& s = texts.scorecard;
    const auto icon = [&](std::size_t tile) { return icon_for_tile(texts.tile_colours[tile]); };
    ScorecardView v;
    v.heading = s.heading;
    v.rows = {{
        {Illustration::period_width, HelpPage::period_width, s.period_headline,
         s.period_consequence, icon(score_period)},
        {Illustration::viscous_limit, HelpPage::viscous_limit, s.viscous_headline,
         s.viscous_consequence, icon(score_viscous)},
        {Illustration::plate_frequency, HelpPage::plate_frequency, s.plate_message, "",
         icon(score_plate)},
        // The range note is shown first and then replaced by the true
        // diffusion frequencies, so the frequencies are what stays.
        {Illustration::usable_range, HelpPage::true_diffusion, s.range_headline, s.true_diffusion,
         icon(score_range)},
    }};
    v.strategy_heading = s.strategy_heading;
    v.strategy_line = s.strategy_line;
    return v;
}

}  // namespace welkin
