// The cost of one full recompute (sequence, locks, naming, figures), the work
// behind every keystroke in the number-of-wells field.
#include <benchmark/benchmark.h>

#include <string>

#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/startup.h"

namespace {

void BM_Command1_Click(benchmark::State& state) {
    welkin::FakeHost host;
    welkin::MainForm form(host);
    welkin::start_up(form);
    form.set_field_text(welkin::Field::well_count, std::to_string(state.range(0)));
    for (auto _ : state) {
        form.recompute();
        benchmark::DoNotOptimize(form.design().well_seq);
    }
}
BENCHMARK(BM_Command1_Click)->Arg(7)->Arg(101);

}  // namespace
