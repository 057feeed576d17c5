// The directions behind one lobes picture: every order at every hertz of the
// lobe sweep, from the HF cutoff down to where the lobes begin. The drawing
// adds its lines on top of this.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "core/sequence.h"
#include "core/width_analysis.h"
#include "lobes/lobe_analysis.h"

namespace {

// The default 600 Hz panel, 3 mm fins, with the well width auto-wells gives it.
welkin::LobeInputs inputs(int n) {
    welkin::Design d;
    d.well_count = n;
    const welkin::PanelSequence s = welkin::panel_sequence(d);
    d.design_freq_hz = 600;
    d.design_half_wavelength_mm = welkin::half_wavelength_from_freq(600);
    d.deepest_well_mm =
        welkin::deepest_from_half_wavelength(d.design_half_wavelength_mm, s.max_units, n);
    d.fin_width_mm = 3;
    const double well = welkin::analyse_widths(d, s).recommended_width_mm;
    return {.well_count = n,
            .design_freq_hz = 600,
            .well_width_mm = well,
            .period_width_mm = n * (d.fin_width_mm + well),
            .plate_freq_hz = n * 600.0,
            .unit_mode = d.unit_mode};
}

void BM_LobeDirectionsOfASweep(benchmark::State& state) {
    const welkin::LobeInputs in = inputs(static_cast<int>(state.range(0)));
    const welkin::LobeAnalysis a = welkin::analyse_lobes(in, 30, true).value();
    std::int64_t directions = 0;
    for (auto _ : state) {
        for (double f = a.hf_zero_hz; f >= a.lobe_start_hz; --f) {
            for (int m = -in.well_count; m <= in.well_count; ++m) {
                benchmark::DoNotOptimize(welkin::lobe_direction(a, f, m));
                ++directions;
            }
        }
    }
    state.SetItemsProcessed(directions);
    state.counters["hertz"] = a.hf_zero_hz - a.lobe_start_hz + 1;
}
BENCHMARK(BM_LobeDirectionsOfASweep)->Arg(7)->Arg(101)->Unit(benchmark::kMillisecond);

}  // namespace
