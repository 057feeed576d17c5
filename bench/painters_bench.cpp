// The cost of the three pictures that every recompute redraws: the
// cross-section, the phase wheel and the scattering sketch.
#include <benchmark/benchmark.h>

#include "canvas/recording_canvas.h"
#include "core/design.h"
#include "core/sequence.h"
#include "panel1d/cross_section.h"
#include "panel1d/phase_wheel.h"
#include "panel1d/scatter.h"

namespace {

welkin::DesignSnapshot design(int n) {
    welkin::DesignSnapshot s;
    welkin::Design& d = s.design;
    d.well_count = n;
    s.sequence = welkin::panel_sequence(d);
    d.design_half_wavelength_mm = welkin::half_wavelength_from_freq(600);
    d.deepest_well_mm =
        welkin::deepest_from_half_wavelength(d.design_half_wavelength_mm, s.sequence.max_units, n);
    return s;
}

void BM_PaintCrossSectionWheelAndScatter(benchmark::State& state) {
    const welkin::DesignSnapshot d = design(static_cast<int>(state.range(0)));
    // Picture sizes of the main window as laid out at 96 dpi.
    welkin::RecordingCanvas panel(700, 300);
    welkin::RecordingCanvas wheel(300, 300);
    welkin::RecordingCanvas scatter(700, 100);
    for (auto _ : state) {
        welkin::paint_cross_section(d, panel);
        welkin::paint_phase_wheel(d, wheel);
        welkin::paint_scatter(d, scatter);
        benchmark::DoNotOptimize(panel.ops.data());
        benchmark::DoNotOptimize(wheel.ops.data());
        benchmark::DoNotOptimize(scatter.ops.data());
    }
}
BENCHMARK(BM_PaintCrossSectionWheelAndScatter)->Arg(7)->Arg(101);

}  // namespace
