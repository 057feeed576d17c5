// The boundary-element side of the response window without the toolkit:
// its states as runs start, report, finish and are stopped while the design
// and sound change; a job run in place on a small panel (stopping one is the
// solver's test's); and the response window's model following the main
// form's design.
#include "forms/bem_run_form.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/response_form.h"
#include "forms/startup.h"

namespace welkin {
namespace {

BemJob job_of(double deepest_mm, double source_deg) {
    BemJob job;
    job.inputs.surface = surface_of_depths({0, deepest_mm / 2, deepest_mm}, 40, 0, 1);
    job.inputs.sound = {1000, source_deg, 343};
    return job;
}

const BemJob design_a = job_of(120, 0);
const BemJob design_b = job_of(90, 0);     // another design, same sound
const BemJob a_at_30 = job_of(120, 30);    // the same design, another sound

ResponseView plot_of(const BemJob& job) {
    ResponseView v;
    v.model = ResponseModel::boundary_elements;
    v.sound = job.inputs.sound;
    return v;
}

ResponseView finished_of(const BemJob& job) {
    ResponseView v = plot_of(job);
    for (double centre : third_octave_centres_hz) v.bands.push_back({centre, {}});
    return v;
}

BandValue band(double centre) {
    return {centre, {0.5, 0.1, 0.44}};
}

// A run of `job` started, its plot and `bands` bands reported; its number.
long run_partly(BemRunForm& f, const BemJob& job, std::size_t bands) {
    f.set_inputs(job);
    const std::optional<BemJob> started = f.start();
    EXPECT_TRUE(started);
    const long run = started ? started->run : 0;
    f.plot_done(run, plot_of(job));
    for (std::size_t b = 0; b < bands; ++b) f.band_done(run, band(third_octave_centres_hz[b]));
    return run;
}

void run_to_the_end(BemRunForm& f, const BemJob& job) {
    const long run = run_partly(f, job, 0);
    f.finished(run, finished_of(job));
}

struct StateRow {
    const char* name;
    std::function<void(BemRunForm&)> steps;
    BemState state;
    bool current;
    std::size_t bands_shown;  // of the sheet drawn, greyed or not
    std::string status;
};

class BemRunStates : public ::testing::TestWithParam<StateRow> {};

TEST_P(BemRunStates, ShowWhatWasComputedForWhichInputs) {
    const StateRow& row = GetParam();
    BemRunForm f;
    row.steps(f);
    EXPECT_EQ(f.state(), row.state);
    EXPECT_EQ(f.current(), row.current);
    const ResponseView* v = f.view();
    EXPECT_EQ(v ? v->bands.size() : 0u, row.bands_shown);
    EXPECT_EQ(f.status_text(), row.status);
}

const std::string design_changed = "The design has changed since this result: press Calculate";
const std::string sound_changed = "The sound has changed since this result: press Calculate";

INSTANTIATE_TEST_SUITE_P(
    Forms, BemRunStates,
    ::testing::Values(
        StateRow{"nothing_asked_yet", [](BemRunForm& f) { f.set_inputs(design_a); },
                 BemState::idle, false, 0,
                 "Press Calculate for the boundary-element prediction"},
        StateRow{"started_before_the_plot",
                 [](BemRunForm& f) {
                     f.set_inputs(design_a);
                     f.start();
                 },
                 BemState::running, false, 0, "Boundary elements: solving the plot's frequency"},
        StateRow{"the_chart_fills_in", [](BemRunForm& f) { run_partly(f, design_a, 3); },
                 BemState::running, true, 3, "Boundary elements: 3 of 18 bands"},
        StateRow{"finished", [](BemRunForm& f) { run_to_the_end(f, design_a); },
                 BemState::finished, true, 18,
                 "Boundary elements: every band done"},
        StateRow{"the_design_changed_after_a_run",
                 [](BemRunForm& f) {
                     run_to_the_end(f, design_a);
                     f.set_inputs(design_b);
                 },
                 BemState::stale, false, 18, design_changed},
        StateRow{"the_sound_changed_after_a_run",
                 [](BemRunForm& f) {
                     run_to_the_end(f, design_a);
                     f.set_inputs(a_at_30);
                 },
                 BemState::stale, false, 18, sound_changed},
        StateRow{"back_to_a_design_already_computed",
                 [](BemRunForm& f) {
                     run_to_the_end(f, design_a);
                     run_to_the_end(f, design_b);
                     f.set_inputs(design_a);
                 },
                 BemState::finished, true, 18,
                 "Boundary elements: every band done"},
        StateRow{"the_design_changed_during_a_run_stops_it",
                 [](BemRunForm& f) {
                     const long run = run_partly(f, design_a, 4);
                     f.set_inputs(design_b);
                     // Its reports still on their way change nothing.
                     f.band_done(run, band(500));
                     f.finished(run, finished_of(design_a));
                 },
                 BemState::stale, false, 4, design_changed},
        StateRow{"cancelled_halfway",
                 [](BemRunForm& f) {
                     const long run = run_partly(f, design_a, 9);
                     f.cancel();
                     f.band_done(run, band(1000));
                     f.finished(run, finished_of(design_a));
                 },
                 BemState::cancelled, true, 9,
                 "Cancelled after 9 of 18 bands; Calculate starts again"},
        StateRow{"started_again_after_a_cancel",
                 [](BemRunForm& f) {
                     const long first = run_partly(f, design_a, 2);
                     f.cancel();
                     const long second = run_partly(f, design_a, 1);
                     f.band_done(first, band(125));
                     EXPECT_NE(first, second);
                 },
                 BemState::running, true, 1, "Boundary elements: 1 of 18 bands"},
        StateRow{"the_main_window_refuses_its_design",
                 [](BemRunForm& f) {
                     run_to_the_end(f, design_a);
                     f.set_inputs(Result<BemJob>::failure("Minimum panel order is 3"));
                 },
                 BemState::stale, false, 18, "Minimum panel order is 3"},
        StateRow{"the_model_refuses_the_inputs",
                 [](BemRunForm& f) {
                     const long run = run_partly(f, design_a, 0);
                     f.finished(run, Result<ResponseView>::failure("Too large"));
                 },
                 BemState::failed, false, 0, "Too large"}),
    [](const auto& row_info) { return std::string(row_info.param.name); });

TEST(BemRunForm, StartsOnlyWhatIsWorthStarting) {
    BemRunForm f;
    EXPECT_FALSE(f.start()) << "no design yet";
    f.set_inputs(design_a);
    ASSERT_TRUE(f.start());
    EXPECT_FALSE(f.can_start()) << "one run at a time";
    EXPECT_FALSE(f.start());
    f.cancel();
    EXPECT_TRUE(f.can_start());
    run_to_the_end(f, design_a);
    EXPECT_FALSE(f.can_start()) << "its result is kept";
    f.set_inputs(Result<BemJob>::failure("Minimum panel order is 3"));
    EXPECT_FALSE(f.can_start()) << "the main window refuses its design";
}

TEST(BemRunForm, ADesignTooLargeIsRefusedBeforeAnyRun) {
    BemRunForm f;
    BemJob job = job_of(120, 0);
    // 30 m of 40 mm wells: at 5 kHz far more than the elements allowed.
    job.inputs.surface.periods = 250;
    f.set_inputs(job);
    EXPECT_FALSE(f.start());
    EXPECT_EQ(f.state(), BemState::failed);
    EXPECT_EQ(f.status_text(),
              "Too large for the boundary elements: more than 4000 elements at 5 kHz; try fewer "
              "panels");
}

TEST(BemRunForm, KeepsTheLatestResultsOnly) {
    BemRunForm f;
    std::vector<BemJob> jobs;
    for (std::size_t i = 0; i <= bem_results_kept; ++i) {
        jobs.push_back(job_of(100 + 10 * static_cast<double>(i), 0));
        run_to_the_end(f, jobs.back());
    }
    f.set_inputs(jobs.front());
    EXPECT_EQ(f.state(), BemState::stale) << "the oldest was given up";
    f.set_inputs(jobs[1]);
    EXPECT_EQ(f.state(), BemState::finished);
}

// A small N 7 panel close by, so each band solves in a moment.
BemJob small_job() {
    BemJob job;
    job.inputs.surface = surface_of_depths({0, 30, 120, 60, 60, 120, 30}, 40, 0, 1);
    job.inputs.sound = {2000, 20, 343};
    job.inputs.source_distance_m = 20;
    job.inputs.receiver_distance_m = 10;
    return job;
}

TEST(BemJobRun, ReportsThePlotThenEveryBandInOrder) {
    std::atomic<bool> cancel{false};
    std::vector<std::string> reports;
    std::vector<BandValue> bands;
    const BemReports watch{[&](const ResponseView& plot) {
                               reports.push_back("plot");
                               EXPECT_TRUE(plot.bands.empty());
                           },
                           [&](const BandValue& b) {
                               reports.push_back("band");
                               bands.push_back(b);
                           }};
    const Result<ResponseView> v = run_bem_job(small_job(), cancel, watch);
    ASSERT_TRUE(v) << v.message();
    ASSERT_EQ(reports.size(), 1 + third_octave_centres_hz.size());
    EXPECT_EQ(reports.front(), "plot");
    ASSERT_EQ(v->bands.size(), third_octave_centres_hz.size());
    for (std::size_t b = 0; b < bands.size(); ++b) {
        EXPECT_EQ(bands[b].centre_hz, third_octave_centres_hz[b]);
        EXPECT_EQ(bands[b].diffusion.d_n, v->bands[b].diffusion.d_n) << "the source angle's";
    }
    EXPECT_EQ(v->random_incidence_bands.size(), third_octave_centres_hz.size());
}

// The response window's model on the main form's design.
class ResponseModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        start_up(form);
        response.set_model(ResponseModel::boundary_elements);
    }
    // Finishes the run the window would start, as its worker would report.
    void finish_run() {
        const std::optional<BemJob> job = response.bem().start();
        ASSERT_TRUE(job);
        response.bem().finished(job->run, finished_of(*job));
        response.refresh();
    }

    FakeHost host;
    MainForm form{host};
    ResponseForm response{form.shown()};
};

TEST_F(ResponseModelTest, TheDistancesArePartOfWhatAResultIsFor) {
    response.refresh();
    finish_run();
    response.set_distances(20, 10);
    response.refresh();
    EXPECT_EQ(response.bem().state(), BemState::stale);
    const std::optional<BemJob> job = response.bem().start();
    ASSERT_TRUE(job);
    EXPECT_EQ(job->inputs.source_distance_m, 20);
}

TEST_F(ResponseModelTest, TheFarFieldStaysAtHandWhileTheBoundaryElementsWait) {
    response.refresh();
    EXPECT_EQ(response.shown(), nullptr);
    response.set_model(ResponseModel::far_field);
    ASSERT_NE(response.shown(), nullptr);
    EXPECT_EQ(response.shown()->model, ResponseModel::far_field);
    EXPECT_TRUE(response.shown_current());
}

}  // namespace
}  // namespace welkin
