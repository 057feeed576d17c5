// The comparison: each column equals what the windows compute for the same
// design, the best marks follow their rules, and nothing is recomputed to
// be shown.
#include "compare/comparison.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "compare/comparison_rows.h"
#include "compare/comparison_table.h"
#include "fake_host.h"
#include "forms/lobes_form.h"
#include "forms/main_form.h"
#include "forms/response_form.h"
#include "forms/startup.h"

namespace welkin {
namespace {

// A design as the main window computes it from the factory settings with
// the given field texts typed.
PinnedDesign pinned(std::string name, std::vector<std::pair<Field, std::string>> typed = {}) {
    FakeHost host;
    MainForm form(host);
    start_up(form);
    for (auto& [field, text] : typed) form.set_field_text(field, text);
    return {std::move(name), form.snapshot()};
}

ComparisonSettings heard(double source_angle_deg, std::optional<double> frequency_hz = {}) {
    ComparisonSettings s;
    s.source_angle_deg = source_angle_deg;
    s.frequency_hz = frequency_hz;
    return s;
}

struct BestRow {
    const char* name;
    std::vector<std::optional<double>> values;
    Better better;
    int decimals;
    std::vector<std::size_t> expected;
};

TEST(BestDesigns, FollowTheirRulesIncludingTies) {
    const std::optional<double> none;
    const BestRow rows[] = {
        {"highest wins", {0.3, 0.5, 0.4}, Better::higher, 3, {1}},
        {"lowest wins", {12, 9, 15}, Better::lower, 1, {1}},
        {"lowest of negatives", {-1, -3}, Better::lower, 0, {1}},
        {"two tie for best", {0.5, 0.3, 0.5}, Better::higher, 3, {0, 2}},
        {"every design ties: nothing to choose", {0.5, 0.5, 0.5}, Better::higher, 3, {}},
        {"equal as shown is a tie", {0.4124, 0.4121, 0.3}, Better::higher, 3, {0, 1}},
        {"apart as shown is not", {0.4126, 0.4121}, Better::higher, 3, {0}},
        {"a design without a value never wins", {none, 0.1, 0.2}, Better::lower, 3, {1}},
        {"tied against one without a value", {none, 0.2, 0.2}, Better::higher, 3, {1, 2}},
        {"no design has a value", {none, none}, Better::higher, 3, {}},
        {"a row without a better way", {1, 2, 3}, Better::neither, 0, {}},
    };
    for (const BestRow& row : rows) {
        EXPECT_EQ(best_designs(row.values, row.better, row.decimals), row.expected) << row.name;
    }
}

TEST(MeanDn, AveragesTheBandsWithinTheRangeEdgesIncluded) {
    const std::vector<BandValue> bands = {
        {100, {.d_n = 0.1}}, {125, {.d_n = 0.2}}, {160, {.d_n = 0.6}}};
    EXPECT_DOUBLE_EQ(*mean_d_n(bands, {100, 125}), 0.15);
    EXPECT_DOUBLE_EQ(*mean_d_n(bands, {120, 200}), 0.4);
    EXPECT_DOUBLE_EQ(*mean_d_n(bands, {0, 1e6}), 0.3);
    EXPECT_FALSE(mean_d_n(bands, {200, 5000}));
}

// The column of the design on screen holds what the lobes command and the
// polar response window compute for it.
TEST(Comparison, AColumnIsWhatTheWindowsComputeForTheDesign) {
    FakeHost host;
    MainForm form(host);
    start_up(form);
    form.set_field_text(Field::well_count, "13");
    Comparison c;
    ASSERT_TRUE(c.set_settings(heard(30, 900)));
    ASSERT_TRUE(c.add({"N 13", form.snapshot()}));
    ASSERT_TRUE(c.add(pinned("default")));

    const DesignColumn& column = c.columns()[0];
    const Result<LobeAnalysis> lobes = analyse_lobes(lobe_inputs(form.snapshot()), 30, true);
    ASSERT_TRUE(lobes);
    EXPECT_EQ(column.lobes.usable_low_hz, lobes->usable_low_hz);
    EXPECT_EQ(column.lobes.usable_high_hz, lobes->usable_high_hz);
    EXPECT_EQ(column.lobes.hf_angle_hz, lobes->hf_angle_hz);

    const Result<ResponseView> view =
        design_response(form.snapshot(), {.frequency_hz = 900, .source_angle_deg = 30});
    ASSERT_TRUE(view);
    EXPECT_EQ(column.response.arc.diffusion.d_n, view->arc.diffusion.d_n);
    ASSERT_EQ(column.response.bands.size(), view->bands.size());
    for (std::size_t i = 0; i < view->bands.size(); ++i)
        EXPECT_EQ(column.response.bands[i].diffusion.d_n, view->bands[i].diffusion.d_n) << i;
}

TEST(Comparison, ADesignBesideItselfGivesIdenticalColumnsAndNoBest) {
    Comparison c;
    ASSERT_TRUE(c.add(pinned("same", {{Field::well_count, "11"}})));
    ASSERT_TRUE(c.add(c.designs()[0]));
    for (const ComparisonRow& row : comparison_rows(c, true)) {
        ASSERT_EQ(row.cells.size(), 2U) << row.label;
        EXPECT_EQ(row.cells[0], row.cells[1]) << row.label;
        EXPECT_TRUE(row.best.empty()) << row.label;
    }
}

TEST(Comparison, HoldsAtMostFourDesigns) {
    Comparison c;
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(c.add(pinned("d" + std::to_string(i))));
    const Result<std::size_t> fifth = c.add(pinned("fifth"));
    EXPECT_FALSE(fifth);
    EXPECT_FALSE(fifth.message().empty());
    EXPECT_EQ(c.size(), 4U);
}

// A design no recompute can produce, as a damaged file might leave it.
TEST(Comparison, RefusesADesignTheAnalysisRefusesAndKeepsTheOthers) {
    Comparison c;
    ASSERT_TRUE(c.add(pinned("good")));
    PinnedDesign broken = pinned("broken");
    broken.snapshot.results.period_width_mm = 0;
    broken.snapshot.design.well_width_mm = 0;
    EXPECT_FALSE(c.add(broken));
    EXPECT_EQ(c.size(), 1U);
    EXPECT_EQ(c.columns().size(), 1U);
}

// Each design keeps its own column through moves and removals.
TEST(Comparison, ReorderingAndRemovingKeepDesignAndColumnTogether) {
    Comparison c;
    for (const char* n : {"7", "11", "13", "17"})
        ASSERT_TRUE(c.add(pinned(n, {{Field::well_count, n}})));
    c.move(0, 3);
    c.remove(1);
    c.move(2, 0);
    c.move(9, 0);  // out of range: nothing
    c.remove(9);
    c.rename(1, "eleven");
    ASSERT_EQ(c.size(), 3U);
    EXPECT_EQ(design_names(c), (std::vector<std::string>{"7", "eleven", "17"}));
    for (std::size_t i = 0; i < c.size(); ++i)
        EXPECT_EQ(c.columns()[i].lobes.well_count, c.designs()[i].snapshot.design.well_count) << i;
}

TEST(Comparison, ARefusedSettingChangesNothing) {
    Comparison c;
    ASSERT_TRUE(c.add(pinned("a")));
    ASSERT_TRUE(c.add(pinned("b", {{Field::well_count, "13"}})));
    ASSERT_TRUE(c.set_settings(heard(20)));
    EXPECT_FALSE(c.set_settings(heard(95)));
    EXPECT_EQ(c.settings().source_angle_deg, 20);
    EXPECT_EQ(c.columns()[1].lobes.angle_deg, 20);
}

// Drawing and printing read the columns; only a join or a settings change
// computes them.
TEST(Comparison, ColumnsAreComputedOncePerDesignNotPerShowing) {
    Comparison c;
    ASSERT_TRUE(c.add(pinned("a")));
    ASSERT_TRUE(c.add(pinned("b", {{Field::well_count, "13"}})));
    EXPECT_EQ(c.computations(), 2);
    for (int i = 0; i < 3; ++i) comparison_text(design_names(c), comparison_rows(c, true));
    c.move(0, 1);
    c.rename(0, "renamed");
    EXPECT_EQ(c.computations(), 2);
    ASSERT_TRUE(c.set_settings(heard(0, 1000)));
    EXPECT_EQ(c.computations(), 4);
}

// The planner is handed in; a design it cannot plan has no build figures
// and cannot be the one with least material.
TEST(ComparisonRows, LeastMaterialIsMarkedAmongThePlannedDesigns) {
    const BuildPlanner planner = [](const PinnedDesign& p) -> std::optional<BuildFigures> {
        if (p.name == "unplannable") return std::nullopt;
        return BuildFigures{.parts = 7, .boards = 2, .weight_kg = p.name == "light" ? 9.5 : 12};
    };
    Comparison c(planner);
    for (const char* name : {"heavy", "unplannable", "light"}) ASSERT_TRUE(c.add(pinned(name)));
    for (const ComparisonRow& row : comparison_rows(c, false)) {
        if (row.key != "weight") continue;
        EXPECT_EQ(row.cells, (std::vector<std::string>{"12.0", "-", "9.5"}));
        EXPECT_EQ(row.best, std::vector<std::size_t>{2});
    }
}

TEST(ComparisonTable, CsvQuotesNamesAndNamesTheBest) {
    const std::vector<ComparisonRow> rows = {
        {RowGroup::diffusion, "mean_d_n", "Mean d_n", {"0.400", "0.500"}, {1}},
        {RowGroup::build, {}, "Weight (kg)", {"-", "-"}, {}},
    };
    EXPECT_EQ(comparison_csv({"a, first", "say \"b\""}, rows),
              "group,row,\"a, first\",\"say \"\"b\"\"\",best\n"
              "Diffusion,Mean d_n,0.400,0.500,\"say \"\"b\"\"\"\n"
              "Build,Weight (kg),-,-,\n");
    const std::string text = comparison_text({"a", "b"}, rows);
    EXPECT_NE(text.find("0.500*"), std::string::npos) << text;
    EXPECT_EQ(text.find("0.400*"), std::string::npos) << text;
}

}  // namespace
}  // namespace welkin
