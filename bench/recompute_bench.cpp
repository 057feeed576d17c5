// The cost of one full recompute (sequence, locks, naming, widths, ratings,
// texts, figures), the work behind every keystroke in a field: through the
// main form, and as the pure function alone.
#include <benchmark/benchmark.h>

#include <string>

#include "core/design_snapshot.h"
#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/startup.h"

namespace {

void BM_RecomputeThroughTheMainForm(benchmark::State& state) {
    welkin::FakeHost host;
    welkin::MainForm form(host);
    welkin::start_up(form);
    form.set_field_text(welkin::Field::well_count, std::to_string(state.range(0)));
    for (auto _ : state) {
        form.recompute();
        benchmark::DoNotOptimize(form.snapshot().sequence);
    }
}
BENCHMARK(BM_RecomputeThroughTheMainForm)->Arg(7)->Arg(101);

void BM_ComputeDesign(benchmark::State& state) {
    welkin::DesignInputs inputs;
    inputs.design.well_count = static_cast<int>(state.range(0));
    inputs.fields[static_cast<std::size_t>(welkin::Field::design_frequency)] = "600";
    inputs.fields[static_cast<std::size_t>(welkin::Field::fin_width)] = "3";
    for (auto _ : state) {
        const welkin::DesignOutcome outcome = welkin::compute_design(inputs);
        benchmark::DoNotOptimize(outcome.snapshot);
    }
}
BENCHMARK(BM_ComputeDesign)->Arg(7)->Arg(101);

}  // namespace
