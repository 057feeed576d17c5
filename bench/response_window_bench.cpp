// What the polar response window's own thread does each time a band of a
// boundary-element run arrives: the form takes the band and the sheet is
// drawn again at the window's size, greyed too when it is no longer
// current. The run itself is on its worker; this is the frame the user
// waits for, to stay well under 100 ms.
#include <benchmark/benchmark.h>

#include "forms/bem_run_form.h"
#include "render/response_render.h"
#include "response/response_view.h"

namespace {

using namespace welkin;

ResponseView plot_of_many_panels() {
    // The far field's sheet of 20 panels stands in for the plot: the same
    // curves of 721 points and the same chart.
    const Surface s = surface_of_depths({0, 41, 164, 82, 82, 164, 41}, 80, 3, 20);
    ResponseView v = *response_view(s, {600, 0, 343}, UsableBand{300, 2150});
    v.model = ResponseModel::boundary_elements;
    v.bands.clear();
    return v;
}

void BM_ResponseWindowBandArrives(benchmark::State& state) {
    const bool greyed_too = state.range(0) == 1;
    const ResponseView plot = plot_of_many_panels();
    BemJob job;
    job.inputs.surface = surface_of_depths({0, 41, 164, 82, 82, 164, 41}, 80, 3, 6);
    for (auto _ : state) {
        state.PauseTiming();
        BemRunForm form;
        form.set_inputs(job);
        const long run = form.start().value().run;
        form.plot_done(run, plot);
        state.ResumeTiming();
        for (double centre : third_octave_centres_hz) {
            form.band_done(run, {centre, {0.5, 0.1, 0.44}});
            const QImage sheet = render_response(*form.view(), response_default_size);
            benchmark::DoNotOptimize(greyed_too ? greyed(sheet) : sheet);
        }
    }
    state.counters["cpu_seconds_per_band"] = benchmark::Counter(
        static_cast<double>(third_octave_centres_hz.size()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ResponseWindowBandArrives)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
