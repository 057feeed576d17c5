#include "compare/comparison_rows.h"

#include <algorithm>
#include <functional>

#include "units/numtext.h"

namespace welkin {

namespace {

constexpr std::string_view no_value_text = "-";

// A fact of one design: a number, a word, or nothing.
struct Fact {
    std::optional<double> number;
    std::string word;
};

using FactOf = std::function<Fact(const PinnedDesign&, const DesignColumn&)>;

struct RowRule {
    RowGroup group;
    std::string label;
    int decimals;
    Better better;
    FactOf fact;
    std::string_view key = {};
};

Fact number(double x) {
    return {x, {}};
}

Fact maybe(std::optional<double> x) {
    return {x, {}};
}

std::string_view verdict_word(Verdict v) {
    switch (v) {
        case Verdict::good: return "good";
        case Verdict::doubtful: return "doubtful";
        default: return "bad";
    }
}

RowRule rating_row(std::string label, std::size_t score) {
    return {RowGroup::analysis, std::move(label), 0, Better::neither,
            [score](const PinnedDesign& p, const DesignColumn&) {
                return Fact{std::nullopt,
                            std::string(verdict_word(p.snapshot.results.verdicts[score]))};
            }};
}

std::optional<double> usable_edge(const LobeAnalysis& a, bool high) {
    if (!a.usable) return std::nullopt;
    return high ? a.usable_high_hz : a.usable_low_hz;
}

std::vector<RowRule> input_and_analysis_rows() {
    using P = const PinnedDesign&;
    using C = const DesignColumn&;
    const RowGroup in = RowGroup::inputs;
    const RowGroup an = RowGroup::analysis;
    return {
        {in, "Wells", 0, Better::neither,
         [](P p, C) { return number(p.snapshot.design.well_count); }},
        {in, "Design frequency (Hz)", 0, Better::neither,
         [](P p, C) { return number(p.snapshot.design.design_freq_hz); }},
        {in, "Well width (mm)", 1, Better::neither,
         [](P p, C) { return number(p.snapshot.design.well_width_mm); }},
        {in, "Fin width (mm)", 1, Better::neither,
         [](P p, C) { return number(p.snapshot.design.fin_width_mm); }},
        {in, "Deepest well (mm)", 1, Better::neither,
         [](P p, C) { return number(p.snapshot.design.deepest_well_mm); }},
        {an, "Period width (mm)", 1, Better::neither,
         [](P p, C) { return number(p.snapshot.results.period_width_mm); }},
        {an, "Panel width (mm)", 1, Better::neither,
         [](P p, C) { return number(p.snapshot.results.panel_width_mm); }},
        {an, "Plate frequency (Hz)", 0, Better::neither,
         [](P, C c) { return number(c.lobes.plate_freq_hz); }},
        {an, "HF cutoff at the source angle (Hz)", 0, Better::neither,
         [](P, C c) { return number(c.lobes.hf_angle_hz); }},
        {an, "Lowest diffusion (Hz)", 0, Better::neither,
         [](P, C c) { return number(c.lobes.lowest_diffusion_hz); }},
        {an, "Usable from (Hz)", 0, Better::neither,
         [](P, C c) { return maybe(usable_edge(c.lobes, false)); }},
        {an, "Usable to (Hz)", 0, Better::neither,
         [](P, C c) { return maybe(usable_edge(c.lobes, true)); }},
        {an, "Usable range (octaves)", 2, Better::higher,
         [](P, C c) { return maybe(c.usable_octaves); }, "usable_range"},
        rating_row("Period rating", score_period),
        rating_row("Viscous rating", score_viscous),
        rating_row("Range rating", score_range),
        rating_row("Plate rating", score_plate),
    };
}

std::string band_label(BandRange range) {
    return "Mean d_n " + number_text_trimmed(range.low_hz) + "-" +
           number_text_trimmed(range.high_hz) + " Hz";
}

std::vector<RowRule> diffusion_and_build_rows(const ComparisonSettings& s, bool bands) {
    using P = const PinnedDesign&;
    using C = const DesignColumn&;
    const RowGroup di = RowGroup::diffusion;
    const RowGroup bu = RowGroup::build;
    const std::string at = s.frequency_hz ? "d_n at " + number_text_trimmed(*s.frequency_hz) + " Hz"
                                          : std::string("d_n at the design frequency");
    std::vector<RowRule> rows = {
        {di, at, 3, Better::neither, [](P, C c) { return number(c.response.arc.diffusion.d_n); }},
        {di, band_label(s.bands), 3, Better::higher, [](P, C c) { return maybe(c.mean_d_n); },
         "mean_d_n"},
    };
    for (std::size_t i = 0; bands && i < third_octave_centres_hz.size(); ++i) {
        rows.push_back({di, "d_n " + number_text_trimmed(third_octave_centres_hz[i]) + " Hz", 3,
                        Better::neither, [i](P, C c) {
                            if (i >= c.response.bands.size()) return Fact{};
                            return number(c.response.bands[i].diffusion.d_n);
                        }});
    }
    const auto build = [](auto field) {
        return [field](P, C c) { return c.build ? number(field(*c.build)) : Fact{}; };
    };
    rows.push_back({bu, "Parts", 0, Better::neither,
                    build([](const BuildFigures& b) { return double(b.parts); })});
    rows.push_back({bu, "Boards and sticks to buy", 0, Better::neither,
                    build([](const BuildFigures& b) { return double(b.boards); })});
    rows.push_back({bu, "Weight (kg)", 1, Better::lower,
                    build([](const BuildFigures& b) { return b.weight_kg; }), "weight"});
    return rows;
}

ComparisonRow row_of(const RowRule& rule, const Comparison& comparison) {
    ComparisonRow row{rule.group, rule.key, rule.label, {}, {}};
    std::vector<std::optional<double>> values;
    for (std::size_t i = 0; i < comparison.size(); ++i) {
        const Fact f = rule.fact(comparison.designs()[i], comparison.columns()[i]);
        values.push_back(f.number);
        row.cells.push_back(f.number         ? decimal_text(*f.number, rule.decimals)
                            : f.word.empty() ? std::string(no_value_text)
                                             : f.word);
    }
    row.best = best_designs(values, rule.better, rule.decimals);
    return row;
}

}  // namespace

std::string_view row_group_title(RowGroup group) {
    switch (group) {
        case RowGroup::inputs: return "Inputs";
        case RowGroup::analysis: return "Analysis";
        case RowGroup::diffusion: return "Diffusion";
        default: return "Build";
    }
}

std::vector<std::size_t> best_designs(std::span<const std::optional<double>> values, Better better,
                                      int decimals) {
    if (better == Better::neither) return {};
    std::optional<double> best;
    for (const std::optional<double>& v : values) {
        if (!v) continue;
        const double shown = round_half_up_to_decimals(*v, decimals);
        if (!best || (better == Better::higher ? shown > *best : shown < *best)) best = shown;
    }
    std::vector<std::size_t> winners;
    for (std::size_t i = 0; best && i < values.size(); ++i) {
        if (values[i] && round_half_up_to_decimals(*values[i], decimals) == *best)
            winners.push_back(i);
    }
    if (winners.size() == values.size()) return {};
    return winners;
}

std::vector<ComparisonRow> comparison_rows(const Comparison& comparison, bool bands) {
    std::vector<RowRule> rules = input_and_analysis_rows();
    std::vector<RowRule> rest = diffusion_and_build_rows(comparison.settings(), bands);
    rules.insert(rules.end(), rest.begin(), rest.end());
    std::vector<ComparisonRow> rows;
    rows.reserve(rules.size());
    for (const RowRule& rule : rules) rows.push_back(row_of(rule, comparison));
    return rows;
}

}  // namespace welkin
