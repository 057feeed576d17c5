// The build plan of a 2D panel built from blocks: N 31 cuts 961 cells into
// sticks, and N 101 over ten thousand. The plan, the solid and its STL are
// timed apart, as the Build window's preview needs only the first.
#include <benchmark/benchmark.h>

#include <string>

#include "build/build_plan.h"
#include "build/mesh_files.h"
#include "build/panel_mesh.h"
#include "forms/main_form.h"
#include "forms/report_files.h"
#include "forms/startup.h"

namespace welkin {
namespace {

BuildDesign blocks_2d(int n) {
    QuietHost host;
    MainForm form(host);
    start_up(form);
    form.set_field_text(Field::well_count, std::to_string(n));
    return build_design_2d(form.snapshot(), centred_offsets(n));
}

void BM_BuildPlan2d(benchmark::State& state) {
    const BuildDesign design = blocks_2d(static_cast<int>(state.range(0)));
    const BuildOptions options = default_build_options(design);
    for (auto _ : state) benchmark::DoNotOptimize(plan_build(design, options));
}
BENCHMARK(BM_BuildPlan2d)->Arg(31)->Arg(101)->Unit(benchmark::kMillisecond);

void BM_PanelSolidAndStl2d(benchmark::State& state) {
    const BuildDesign design = blocks_2d(static_cast<int>(state.range(0)));
    const BuildPlan plan = *plan_build(design, default_build_options(design));
    for (auto _ : state) benchmark::DoNotOptimize(stl_bytes(panel_mesh(plan), "panel"));
}
BENCHMARK(BM_PanelSolidAndStl2d)->Arg(31)->Arg(101)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace welkin
