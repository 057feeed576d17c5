// The Compare window's redraw for four designs at N 101: the table's rows
// and the sheet drawn at the window's size, from columns computed once. A
// frame is about 16 ms. Pinning, which computes a column, is measured
// beside it.
#include <benchmark/benchmark.h>

#include <string>

#include "compare/comparison_rows.h"
#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/startup.h"
#include "render/compare_render.h"

namespace {

welkin::PinnedDesign pinned_n101(const std::string& frequency) {
    welkin::FakeHost host;
    welkin::MainForm form(host);
    welkin::start_up(form);
    form.set_field_text(welkin::Field::well_count, "101");
    form.set_field_text(welkin::Field::design_frequency, frequency);
    return {"N 101, " + frequency + " Hz", form.snapshot()};
}

void BM_ComparisonRedrawFourN101Designs(benchmark::State& state) {
    welkin::Comparison comparison;
    for (const char* f : {"400", "500", "600", "700"}) {
        if (!comparison.add(pinned_n101(f))) state.SkipWithError("refused");
    }
    const QSize size(1224, 460);  // the sheet's place in the window as it opens
    for (auto _ : state) {
        const auto rows = welkin::comparison_rows(comparison, true);
        const QImage image = welkin::render_comparison(comparison, size);
        benchmark::DoNotOptimize(rows.data());
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ComparisonRedrawFourN101Designs)->Unit(benchmark::kMillisecond);

void BM_PinAnN101Design(benchmark::State& state) {
    const welkin::PinnedDesign design = pinned_n101("500");
    for (auto _ : state) {
        welkin::Comparison comparison;
        benchmark::DoNotOptimize(comparison.add(design));
    }
}
BENCHMARK(BM_PinAnN101Design)->Unit(benchmark::kMillisecond);

}  // namespace
