#include "core/width_analysis.h"

#include <algorithm>
#include <cmath>

#include "units/length_text.h"
#include "units/numtext.h"

namespace welkin {

namespace {

constexpr std::string_view crlf = "\r\n";

bool is_metric(const Design& d) {
    return d.unit_mode == UnitMode::metric;
}

// S(x) and the metric unit word, or F(x) and the inch word.
std::string length_with_unit(const Design& d, double mm, std::string_view mm_word,
                             std::string_view inch_word) {
    return length_words(mm, d.unit_mode) + std::string(is_metric(d) ? mm_word : inch_word);
}

// T(x) in the metric mode, F(x) in the inch modes.
std::string bare_length(const Design& d, double mm) {
    return is_metric(d) ? number_text_trimmed(mm) : length_words(mm, d.unit_mode);
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

// ------------------------------------------------------------------ widths

namespace {

constexpr std::string_view note_period_rule = "period width is greater than design wavelength";
constexpr std::string_view note_viscous_start = "wells are at least ";
constexpr std::string_view note_viscous_mm = "mm wide to minimise viscous losses ";
constexpr std::string_view note_viscous_inches = " inches wide to minimise viscous losses ";

// Narrower wells than this lose too much to viscous friction, however shallow.
constexpr double narrowest_viscous_width_mm = 25;
// A well may be at most this many times deeper than it is wide.
constexpr double viscous_depth_per_width = 16;

}  // namespace

std::string analyse_widths(Design& d) {
    const double n = d.well_count;
    const double half = d.design_half_wavelength_mm;
    d.period_fix_width_mm = int_floor(1 + 2 * half / n - d.fin_width_mm);
    d.recommended_width_mm = d.period_fix_width_mm;
    std::string note(note_period_rule);

    const double full_depth = round_half_up(half * (n - d.seq_min) / n);
    const double depth = full_depth > d.deepest_well_mm ? full_depth : d.deepest_well_mm;
    d.viscous_min_width_mm =
        std::max(int_floor(depth / viscous_depth_per_width + 1), narrowest_viscous_width_mm);

    if (d.viscous_min_width_mm > d.recommended_width_mm) {
        d.recommended_width_mm = d.viscous_min_width_mm;
        note = std::string(note_viscous_start) + bare_length(d, d.viscous_min_width_mm) +
               std::string(is_metric(d) ? note_viscous_mm : note_viscous_inches);
    }
    return note;
}

namespace {

constexpr std::string_view label14_auto_mm = "Auto Well width in mm";
constexpr std::string_view label14_auto_inches = "Auto Well width in inches";
constexpr std::string_view label14_recommended = "Recommended well width ";

constexpr std::string_view word_mm = "mm";
constexpr std::string_view word_spaced_mm = " mm";
constexpr std::string_view word_inches = " inches";

}  // namespace

std::string label14_caption(const Design& d) {
    if (d.auto_well_width) return std::string(is_metric(d) ? label14_auto_mm : label14_auto_inches);
    return std::string(label14_recommended) +
           length_with_unit(d, d.recommended_width_mm, word_mm, word_inches);
}

// ----------------------------------------------------------------- ratings

namespace {

constexpr std::string_view poor_result = "Poor result: ";
constexpr std::string_view good_result = "Good result: ";
constexpr std::string_view questionable_result = "Questionable result: ";
constexpr std::string_view consequence_dash = " - ";

void set_score(DesignTexts& r, std::size_t tile, Verdict v) {
    r.tile_colours[tile] = score_colour(v);
    r.verdicts[tile] = v;
}

void add_result(std::string& summary, std::string_view result, const std::string& headline,
                const std::string& consequence) {
    summary += result;
    summary += headline;
    if (!consequence.empty()) {
        summary += consequence_dash;
        summary += consequence;
    }
    summary += crlf;
    summary += crlf;
}

constexpr std::string_view period_start = "Period width of ";
constexpr std::string_view period_mm = "mm ";
constexpr std::string_view period_inches = " inches ";
constexpr std::string_view period_less = "is less than";
constexpr std::string_view period_not_less = "is not less than";
constexpr std::string_view period_wavelength = " the design wavelength of ";
constexpr std::string_view period_consequence =
    "Lowest diffusion frequency will be higher than design frequency. Well width to fix is ";

void rate_period(Design& d, DesignTexts& r) {
    d.period_width_mm = d.well_count * (d.fin_width_mm + d.well_width_mm);
    const double wavelength = 2 * d.design_half_wavelength_mm;
    d.period_ok = !(d.period_width_mm < wavelength);

    std::string& headline = r.scorecard.period_headline;
    std::string& consequence = r.scorecard.period_consequence;
    headline = std::string(period_start) +
               length_with_unit(d, d.period_width_mm, period_mm, period_inches) +
               std::string(d.period_ok ? period_not_less : period_less) +
               std::string(period_wavelength) +
               length_with_unit(d, is_metric(d) ? round_half_up(wavelength) : wavelength,
                                word_spaced_mm, word_inches);
    if (!d.period_ok) {
        consequence = std::string(period_consequence) +
                      length_with_unit(d, d.period_fix_width_mm, word_spaced_mm, word_inches);
    }
    set_score(r, score_period, d.period_ok ? Verdict::good : Verdict::bad);
    add_result(r.score_summary, d.period_ok ? good_result : poor_result, headline, consequence);
}

constexpr std::string_view viscous_narrow = "The well width less than the minimum ";
constexpr std::string_view viscous_narrow_mm = "mm to avoid viscous losses";
constexpr std::string_view viscous_narrow_inch = "inch to avoid viscous losses";
constexpr std::string_view viscous_consequence = "Serious viscous losses may be encountered";
constexpr std::string_view viscous_wide = "The well width is large enough to avoid viscous losses";

void rate_viscous(const Design& d, DesignTexts& r) {
    const bool narrow = d.well_width_mm < d.viscous_min_width_mm;
    std::string& headline = r.scorecard.viscous_headline;
    std::string& consequence = r.scorecard.viscous_consequence;
    if (narrow) {
        headline = std::string(viscous_narrow) + bare_length(d, d.viscous_min_width_mm) +
                   std::string(is_metric(d) ? viscous_narrow_mm : viscous_narrow_inch);
        consequence = viscous_consequence;
    } else {
        headline = viscous_wide;
    }
    set_score(r, score_viscous, narrow ? Verdict::bad : Verdict::good);
    add_result(r.score_summary, narrow ? poor_result : good_result, headline, consequence);
}

constexpr std::string_view plate_start = "Plate frequency of ";
constexpr std::string_view plate_limits = " hz is less than theoretical HF cutoff of ";
constexpr std::string_view plate_limits_end = " hz, so becomes the new upper limit";
constexpr std::string_view plate_no_effect = " hz is higher than HF cutoff of ";
constexpr std::string_view plate_no_effect_end = " hz, so it has no effect";

void rate_plate(Design& d, DesignTexts& r) {
    d.plate_freq_hz = d.well_count * d.design_freq_hz;
    // A well of no width sets no limit of its own; the plate frequency does.
    d.hf_cutoff_hz = d.plate_freq_hz;
    if (d.well_width_mm > 0) {
        const double cutoff = int_floor(half_sound_speed_mm_s / d.well_width_mm);
        if (std::isfinite(cutoff)) d.hf_cutoff_hz = cutoff;
    }

    const bool plate_limits_range = !(d.hf_cutoff_hz < d.plate_freq_hz);
    r.scorecard.plate_message = std::string(plate_start) + number_text(d.plate_freq_hz) +
                          std::string(plate_limits_range ? plate_limits : plate_no_effect) +
                          number_text(d.hf_cutoff_hz) +
                          std::string(plate_limits_range ? plate_limits_end : plate_no_effect_end);
    set_score(r, score_plate, plate_limits_range ? Verdict::doubtful : Verdict::good);
    add_result(r.score_summary, plate_limits_range ? questionable_result : good_result,
               r.scorecard.plate_message, {});
}

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

void rate_range(Design& d, DesignTexts& r) {
    const double f0 = d.design_freq_hz;
    // A cutoff at the plate frequency, whether lowered to it or there
    // already, leaves the plate limiting the range: questionable, as the
    // plate test rates it, not good.
    const bool capped = !(d.hf_cutoff_hz < d.plate_freq_hz);
    if (capped) d.hf_cutoff_hz = d.plate_freq_hz;

    const double ratio = int_floor(10 * d.hf_cutoff_hz / f0) / 10;
    r.scorecard.range_headline = std::string(range_start) + number_text(d.hf_cutoff_hz) +
                         std::string(range_is) + number_text(ratio) + std::string(range_times) +
                         number_text(f0) + std::string(range_end);

    Verdict v = Verdict::good;
    if (ratio < 1) {
        v = Verdict::bad;
        r.range_note = note_below_design;
    } else if (ratio < 3) {
        v = Verdict::doubtful;
        r.range_note = note_limited;
    } else if (capped) {
        v = Verdict::doubtful;
    }
    set_score(r, score_range, v);
    r.range_rating = v == Verdict::good       ? rating_good
                     : v == Verdict::doubtful ? rating_questionable
                                              : rating_critical;

    std::string& summary = r.score_summary;
    summary += r.range_rating;
    summary += rating_result;
    summary += r.scorecard.range_headline;
    if (!r.range_note.empty()) {
        summary += consequence_dash;
        summary += r.range_note;
        summary += crlf;
    } else {
        summary += crlf;
        summary += crlf;
    }
}

constexpr std::string_view true_diffusion_start = "True diffusion frequencies:";
constexpr std::string_view true_diffusion_gap = "  ";
constexpr std::string_view true_diffusion_end = " hz";

// Multiples of the design frequency up to the cutoff whose wavelength fits
// within the period.
std::string true_diffusion(const Design& d) {
    std::string text(true_diffusion_start);
    // The cutoff is at most the plate frequency N x f0, so N steps reach it.
    for (int i = 1; i <= d.well_count; ++i) {
        const double k = i * d.design_freq_hz;
        if (!(k <= d.hf_cutoff_hz)) break;
        if (int_floor(sound_speed_mm_s / k) <= d.period_width_mm) {
            text += true_diffusion_gap;
            text += number_text(k);
        }
    }
    text += true_diffusion_end;
    return text;
}

constexpr std::string_view strategy_auto = "Current auto-well strategy:";
constexpr std::string_view strategy_auto_line = "Auto-adjust well width so that ";
constexpr std::string_view strategy_recommend = "Current strategy for recommending well width of ";
constexpr std::string_view strategy_recommend_mm = "mm:";
constexpr std::string_view strategy_recommend_inches = " inches:";
constexpr std::string_view strategy_recommend_line = "Recommend well width so that ";

void describe_strategy(const Design& d, std::string_view note, DesignTexts& r) {
    ScorecardTexts& card = r.scorecard;
    if (d.auto_well_width) {
        card.strategy_heading = strategy_auto;
        card.strategy_line = std::string(strategy_auto_line) + std::string(note);
    } else {
        card.strategy_heading = std::string(strategy_recommend) + length_with_unit(d, d.recommended_width_mm,
                                                                         strategy_recommend_mm,
                                                                         strategy_recommend_inches);
        card.strategy_line = std::string(strategy_recommend_line) + std::string(note);
    }
    r.score_summary += card.strategy_heading + " " + card.strategy_line;
    r.score_summary += crlf;
    r.score_summary += crlf;
}

constexpr std::string_view label6_scatter = "Scatter";
constexpr std::string_view label6_diffuse = " Hz   Diffuse";
constexpr std::string_view label6_cutoff = "   HF cutoff";
constexpr std::string_view word_hz = " Hz";
constexpr std::string_view label11_start = "Minimum distance to seating position ";
constexpr std::string_view label11_metres = "m";
constexpr std::string_view label13_start = "Period width ";
constexpr std::string_view label7_start = "The current well width of ";
constexpr std::string_view label7_end = " produces the following consequences...";

// Seating is at least three wavelengths of the lowest diffusion frequency away.
constexpr double seating_wavelengths = 3;

void describe_range(Design& d, DesignTexts& r) {
    // With no period at all, nothing below the top of the range diffuses.
    double period_freq = d.hf_cutoff_hz;
    if (d.period_width_mm > 0) {
        const double f = int_floor(sound_speed_mm_s / d.period_width_mm);
        if (std::isfinite(f)) period_freq = f;
    }
    d.lowest_diffusion_hz = std::max(d.design_freq_hz, period_freq);
    d.seating_distance_mm =
        int_floor(seating_wavelengths * sound_speed_mm_s / d.lowest_diffusion_hz);

    const double scatter_hz = d.lowest_diffusion_hz / 2;
    r.cutoffs = std::string(label6_scatter) + number_text(int_floor(scatter_hz)) +
               std::string(label6_diffuse) + number_text(int_floor(d.lowest_diffusion_hz)) +
               std::string(word_hz) + std::string(label6_cutoff) + number_text(d.hf_cutoff_hz) +
               std::string(word_hz);
    r.seating_distance = std::string(label11_start) +
                (is_metric(d)
                     ? number_text(int_floor(d.seating_distance_mm / 10) / 100) +
                           std::string(label11_metres)
                     : length_words(d.seating_distance_mm, d.unit_mode) + std::string(word_inches));
    r.period_width = std::string(label13_start) +
                length_with_unit(d, d.panel_width_mm, word_spaced_mm, word_inches);
}

}  // namespace

DesignTexts rate_design(Design& d, std::string_view width_strategy_note) {
    DesignTexts r;
    d.panel_width_mm = d.well_count * (d.fin_width_mm + d.well_width_shown_mm);
    r.scorecard.heading = std::string(label7_start) +
                         length_with_unit(d, d.well_width_mm, word_mm, word_inches) +
                         std::string(label7_end);
    rate_period(d, r);
    rate_viscous(d, r);
    rate_plate(d, r);
    rate_range(d, r);

    r.true_diffusion_text = true_diffusion(d);
    r.scorecard.true_diffusion = r.true_diffusion_text;
    r.score_summary += r.true_diffusion_text;
    r.score_summary += crlf;
    r.score_summary += crlf;

    describe_strategy(d, width_strategy_note, r);
    describe_range(d, r);
    return r;
}

}  // namespace welkin
