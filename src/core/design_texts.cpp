#include "core/design_texts.h"

#include <string_view>

#include "units/length_text.h"
#include "units/numtext.h"

namespace welkin {

namespace {

constexpr std::string_view crlf = "\r\n";
constexpr std::string_view word_mm = "mm";
constexpr std::string_view word_spaced_mm = " mm";
constexpr std::string_view word_inches = " inches";
constexpr std::string_view word_hz = " Hz";

bool is_metric(const Design& d) {
    return d.unit_mode == UnitMode::metric;
}

// S(x) and the metric unit word, or F(x) and the inch word.
std::string length_with_unit(const Design& d, double mm, std::string_view mm_word,
                             std::string_view inch_word) {
    return length_words(mm, d.unit_mode) + std::string(is_metric(d) ? mm_word : inch_word);
}

// T(x) in the metric mode, F(x) in the inch modes.
std::string bare_length(UnitMode mode, double mm) {
    return mode == UnitMode::metric ? number_text_trimmed(mm) : length_words(mm, mode);
}

}  // namespace

Rgb score_colour(Verdict v) {
    switch (v) {
        case Verdict::good: return rgb_score_good;
        case Verdict::doubtful: return rgb_score_doubtful;
        case Verdict::bad: return rgb_score_bad;
    }
    return rgb_score_bad;
}

namespace {

constexpr std::string_view note_period_rule = "period width is greater than design wavelength";
constexpr std::string_view note_viscous_start = "wells are at least ";
constexpr std::string_view note_viscous_mm = "mm wide to minimise viscous losses ";
constexpr std::string_view note_viscous_inches = " inches wide to minimise viscous losses ";

constexpr std::string_view caption_auto_mm = "Auto Well width in mm";
constexpr std::string_view caption_auto_inches = "Auto Well width in inches";
constexpr std::string_view caption_recommended = "Recommended well width ";

}  // namespace

std::string width_strategy_note(const WidthAnalysis& w, UnitMode mode) {
    if (!w.viscous_rule) return std::string(note_period_rule);
    return std::string(note_viscous_start) + bare_length(mode, w.viscous_min_width_mm) +
           std::string(mode == UnitMode::metric ? note_viscous_mm : note_viscous_inches);
}

std::string well_width_caption(const Design& d, const WidthAnalysis& w) {
    if (d.auto_well_width) {
        return std::string(is_metric(d) ? caption_auto_mm : caption_auto_inches);
    }
    return std::string(caption_recommended) +
           length_with_unit(d, w.recommended_width_mm, word_mm, word_inches);
}

// ----------------------------------------------------------------- ratings

namespace {

constexpr std::string_view poor_result = "Poor result: ";
constexpr std::string_view good_result = "Good result: ";
constexpr std::string_view questionable_result = "Questionable result: ";
constexpr std::string_view consequence_dash = " - ";

constexpr std::string_view period_start = "Period width of ";
constexpr std::string_view period_mm = "mm ";
constexpr std::string_view period_inches = " inches ";
constexpr std::string_view period_less = "is less than";
constexpr std::string_view period_not_less = "is not less than";
constexpr std::string_view period_wavelength = " the design wavelength of ";
constexpr std::string_view period_consequence =
    "Lowest diffusion frequency will be higher than design frequency. Well width to fix is ";

constexpr std::string_view viscous_narrow = "The well width less than the minimum ";
constexpr std::string_view viscous_narrow_mm = "mm to avoid viscous losses";
constexpr std::string_view viscous_narrow_inch = "inch to avoid viscous losses";
constexpr std::string_view viscous_consequence = "Serious viscous losses may be encountered";
constexpr std::string_view viscous_wide = "The well width is large enough to avoid viscous losses";

constexpr std::string_view plate_start = "Plate frequency of ";
constexpr std::string_view plate_limits = " hz is less than theoretical HF cutoff of ";
constexpr std::string_view plate_limits_end = " hz, so becomes the new upper limit";
constexpr std::string_view plate_no_effect = " hz is higher than HF cutoff of ";
constexpr std::string_view plate_no_effect_end = " hz, so it has no effect";

constexpr std::string_view rating_good = "Good";
constexpr std::string_view rating_questionable = "Questionable";
constexpr std::string_view rating_critical = "CRITICAL";
constexpr std::string_view rating_result = " result: ";
constexpr std::string_view range_start = "The HF cutoff frequency of ";
constexpr std::string_view range_is = " hz is ";
constexpr std::string_view range_times = " times the design frequency of ";
constexpr std::string_view range_end = " hz";
constexpr std::string_view note_limited = "Panel frequency range is limited";
constexpr std::string_view note_below_design = "HF cutoff is less than design frequency";

constexpr std::string_view true_diffusion_start = "True diffusion frequencies:";
constexpr std::string_view true_diffusion_gap = "  ";
constexpr std::string_view true_diffusion_end = " hz";

constexpr std::string_view strategy_auto = "Current auto-well strategy:";
constexpr std::string_view strategy_auto_line = "Auto-adjust well width so that ";
constexpr std::string_view strategy_recommend = "Current strategy for recommending well width of ";
constexpr std::string_view strategy_recommend_mm = "mm:";
constexpr std::string_view strategy_recommend_inches = " inches:";
constexpr std::string_view strategy_recommend_line = "Recommend well width so that ";

constexpr std::string_view cutoffs_scatter = "Scatter";
constexpr std::string_view cutoffs_diffuse = " Hz   Diffuse";
constexpr std::string_view cutoffs_hf = "   HF cutoff";
constexpr std::string_view seating_start = "Minimum distance to seating position ";
constexpr std::string_view period_width_start = "Period width ";
constexpr std::string_view heading_start = "The current well width of ";
constexpr std::string_view heading_end = " produces the following consequences...";

std::string_view result_word(Verdict v) {
    switch (v) {
        case Verdict::good: return good_result;
        case Verdict::doubtful: return questionable_result;
        case Verdict::bad: break;
    }
    return poor_result;
}

// One test's paragraph of the score summary.
void add_result(std::string& summary, Verdict v, const std::string& headline,
                const std::string& consequence) {
    summary += result_word(v);
    summary += headline;
    if (!consequence.empty()) {
        summary += consequence_dash;
        summary += consequence;
    }
    summary += crlf;
    summary += crlf;
}

void describe_period(const Design& d, const DesignResults& r, DesignTexts& t) {
    const double wavelength = 2 * d.design_half_wavelength_mm;
    ScorecardTexts& card = t.scorecard;
    card.period_headline =
        std::string(period_start) +
        length_with_unit(d, r.period_width_mm, period_mm, period_inches) +
        std::string(r.period_ok ? period_not_less : period_less) + std::string(period_wavelength) +
        length_with_unit(d, is_metric(d) ? round_half_up(wavelength) : wavelength, word_spaced_mm,
                         word_inches);
    if (!r.period_ok) {
        card.period_consequence =
            std::string(period_consequence) +
            length_with_unit(d, r.widths.period_fix_width_mm, word_spaced_mm, word_inches);
    }
    add_result(t.score_summary, r.verdicts[score_period], card.period_headline,
               card.period_consequence);
}

void describe_viscous(const Design& d, const DesignResults& r, DesignTexts& t) {
    ScorecardTexts& card = t.scorecard;
    if (r.verdicts[score_viscous] == Verdict::bad) {
        card.viscous_headline = std::string(viscous_narrow) +
                                bare_length(d.unit_mode, r.widths.viscous_min_width_mm) +
                                std::string(is_metric(d) ? viscous_narrow_mm : viscous_narrow_inch);
        card.viscous_consequence = viscous_consequence;
    } else {
        card.viscous_headline = viscous_wide;
    }
    add_result(t.score_summary, r.verdicts[score_viscous], card.viscous_headline,
               card.viscous_consequence);
}

void describe_plate(const DesignResults& r, DesignTexts& t) {
    const bool limits = r.plate_limits_range;
    t.scorecard.plate_message = std::string(plate_start) + number_text(r.plate_freq_hz) +
                                std::string(limits ? plate_limits : plate_no_effect) +
                                number_text(r.well_cutoff_hz) +
                                std::string(limits ? plate_limits_end : plate_no_effect_end);
    add_result(t.score_summary, r.verdicts[score_plate], t.scorecard.plate_message, {});
}

void describe_range(const Design& d, const DesignResults& r, DesignTexts& t) {
    t.scorecard.range_headline = std::string(range_start) + number_text(r.hf_cutoff_hz) +
                                 std::string(range_is) + number_text(r.range_ratio) +
                                 std::string(range_times) + number_text(d.design_freq_hz) +
                                 std::string(range_end);
    if (r.range_ratio < 1) {
        t.range_note = note_below_design;
    } else if (r.range_ratio < 3) {
        t.range_note = note_limited;
    }
    const Verdict v = r.verdicts[score_range];
    t.range_rating = v == Verdict::good       ? rating_good
                     : v == Verdict::doubtful ? rating_questionable
                                              : rating_critical;

    std::string& summary = t.score_summary;
    summary += t.range_rating;
    summary += rating_result;
    summary += t.scorecard.range_headline;
    if (!t.range_note.empty()) {
        summary += consequence_dash;
        summary += t.range_note;
        summary += crlf;
    } else {
        summary += crlf;
        summary += crlf;
    }
}

void describe_true_diffusion(const DesignResults& r, DesignTexts& t) {
    std::string text(true_diffusion_start);
    for (const double hz : r.true_diffusion_hz) {
        text += true_diffusion_gap;
        text += number_text(hz);
    }
    text += true_diffusion_end;
    t.true_diffusion_text = text;
    t.scorecard.true_diffusion = text;
    t.score_summary += text;
    t.score_summary += crlf;
    t.score_summary += crlf;
}

void describe_strategy(const Design& d, const DesignResults& r, DesignTexts& t) {
    ScorecardTexts& card = t.scorecard;
    if (d.auto_well_width) {
        card.strategy_heading = strategy_auto;
        card.strategy_line = std::string(strategy_auto_line) + t.width_strategy_note;
    } else {
        card.strategy_heading = std::string(strategy_recommend) +
                                length_with_unit(d, r.widths.recommended_width_mm,
                                                 strategy_recommend_mm, strategy_recommend_inches);
        card.strategy_line = std::string(strategy_recommend_line) + t.width_strategy_note;
    }
    t.score_summary += card.strategy_heading + " " + card.strategy_line;
    t.score_summary += crlf;
    t.score_summary += crlf;
}

void describe_labels(const Design& d, const DesignResults& r, DesignTexts& t) {
    t.cutoffs = std::string(cutoffs_scatter) + number_text(int_floor(r.lowest_diffusion_hz / 2)) +
                std::string(cutoffs_diffuse) + number_text(int_floor(r.lowest_diffusion_hz)) +
                std::string(word_hz) + std::string(cutoffs_hf) + number_text(r.hf_cutoff_hz) +
                std::string(word_hz);
    t.seating_distance =
        std::string(seating_start) + seating_distance_words(r.seating_distance_mm, d.unit_mode);
    t.period_width = std::string(period_width_start) +
                     length_with_unit(d, r.panel_width_mm, word_spaced_mm, word_inches);
}

}  // namespace

DesignTexts describe_design(const Design& d, const DesignResults& r) {
    DesignTexts t;
    t.verdicts = r.verdicts;
    for (std::size_t i = 0; i < t.tile_colours.size(); ++i) {
        t.tile_colours[i] = score_colour(r.verdicts[i]);
    }
    t.width_strategy_note = width_strategy_note(r.widths, d.unit_mode);
    t.well_width_caption = well_width_caption(d, r.widths);
    t.scorecard.heading = std::string(heading_start) +
                          length_with_unit(d, d.well_width_mm, word_mm, word_inches) +
                          std::string(heading_end);
    describe_period(d, r, t);
    describe_viscous(d, r, t);
    describe_plate(r, t);
    describe_range(d, r, t);
    describe_true_diffusion(r, t);
    describe_strategy(d, r, t);
    describe_labels(d, r, t);
    return t;
}

}  // namespace welkin
