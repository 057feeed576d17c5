// The boundary-element band table of the published N 7 diffuser (3.6 m, 42
// wells, c = 343 m/s) at one and at two source angles, beside the plain
// approach (plain_bem_bench.cpp): the same assembly and solve on one
// thread, every pair computed afresh, the general factorisation, the
// system assembled and factorised again for each source angle.
#include <benchmark/benchmark.h>

#include <Eigen/Dense>
#include <numbers>

#include "response/bem/bem_response.h"
#include "response/bem/blas_kernels.h"
#include "response/bem/boundary.h"
#include "response/bem/dense_solve.h"
#include "response/bem/helmholtz.h"

namespace {

using namespace welkin;

Surface published_diffuser() {
    return surface_of_depths({0, 50, 200, 100, 100, 200, 50}, 3600.0 / 42, 0, 6);
}

bem::Setup published_setup() {
    bem::Setup s;
    s.speed_m_s = 343;
    return s;
}

void BM_BemBandTable(benchmark::State& state) {
    const Surface s = published_diffuser();
    std::vector<double> sources = {0};
    if (state.range(0) == 2) sources.push_back(57);
    for (auto _ : state) benchmark::DoNotOptimize(bem::band_tables(s, sources, published_setup()));
}
BENCHMARK(BM_BemBandTable)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

// One frequency of the top band, the design only: the program's assembly
// (the periods' copies sharing their pairs, two threads, the lower
// triangle, the symmetric solve) against the plain one.
void BM_BemOneFrequencyAssembleAndSolve(benchmark::State& state) {
    const bool plain = state.range(0) == 0;
    const double f = 5000;
    const bem::Setup setup;
    const bem::Mesh mesh = bem::mesh_of(bem::thin_profile(published_diffuser()),
                                        343.0 / f / setup.elements_per_wavelength, setup.edge_layers);
    const double k = 2 * std::numbers::pi * f / 343;
    const bem::Assembly how{plain ? 1 : 2, !plain, nullptr, !plain};
    const auto symmetry = plain ? bem::Symmetry::general : bem::Symmetry::symmetric;
    for (auto _ : state) {
        Eigen::MatrixXcd a = bem::system_matrix(mesh, k, how);
        Eigen::MatrixXcd mu = bem::right_hand_sides(mesh, k, {{false, {0, 100}}});
        benchmark::DoNotOptimize(bem::solve_in_place(a, mu, symmetry));
    }
    state.counters["elements"] = static_cast<double>(mesh.elements.size());
}
BENCHMARK(BM_BemOneFrequencyAssembleAndSolve)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

}  // namespace

int main(int argc, char** argv) {
    welkin::bem::restart_with_newer_blas_kernels(argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
