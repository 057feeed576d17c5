// The plain way to the same band table: for each source angle, each band
// and each of its frequencies, the design and its flat strip meshed,
// assembled pair by pair on one thread, factorised by the general LU on one
// thread and solved, with nothing kept from one source angle to the next.
#include <benchmark/benchmark.h>

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "response/bem/bem_response.h"
#include "response/bem/boundary.h"
#include "response/bem/dense_solve.h"
#include "response/bem/helmholtz.h"
#include "response/diffusion.h"

namespace {

using namespace welkin;

std::vector<double> energies(const bem::Boundary& b, double f, double source_deg) {
    const double c = 343;
    const bem::Setup setup;
    const double element =
        std::min(c / f / setup.elements_per_wavelength, 3.6 / 42 / setup.elements_per_well);
    const bem::Mesh mesh = bem::mesh_of(b, element, setup.edge_layers);
    const double k = 2 * std::numbers::pi * f / c;
    Eigen::MatrixXcd a = bem::system_matrix(mesh, k, {1, false, nullptr});
    const double s = source_deg * std::numbers::pi / 180;
    const Eigen::MatrixXcd rhs =
        bem::right_hand_sides(mesh, k, {{false, {100 * std::sin(s), 100 * std::cos(s)}}});
    Eigen::MatrixXcd mu = rhs;
    if (!bem::solve_in_place(a, mu)) mu.setZero();
    std::vector<bem::Point> receivers;
    for (double r : iso_arc_deg()) {
        const double t = r * std::numbers::pi / 180;
        receivers.push_back({50 * std::sin(t), 50 * std::cos(t)});
    }
    std::vector<double> out;
    for (const auto& p : bem::scattered_pressure(mesh, k, mu.col(0), receivers)) {
        out.push_back(std::norm(p));
    }
    return out;
}

double plain_band(const bem::Boundary& design, const bem::Boundary& flat, double centre,
                  double source_deg) {
    std::vector<double> sum(37, 0.0);
    std::vector<double> flat_sum(37, 0.0);
    for (double f : band_frequencies_hz(centre)) {
        const auto e = energies(design, f, source_deg);
        const auto e_flat = energies(flat, f, source_deg);
        for (std::size_t i = 0; i < sum.size(); ++i) {
            sum[i] += e[i];
            flat_sum[i] += e_flat[i];
        }
    }
    return normalised_diffusion(diffusion_coefficient(sum), diffusion_coefficient(flat_sum)).d_n;
}

void BM_PlainBemBandTable(benchmark::State& state) {
    const Surface s = surface_of_depths({0, 50, 200, 100, 100, 200, 50}, 3600.0 / 42, 0, 6);
    const bem::Boundary design = bem::thin_profile(s);
    const bem::Boundary flat = bem::thin_profile(flat_of(s));
    std::vector<double> sources = {0};
    if (state.range(0) == 2) sources.push_back(57);
    const bem::OneBlasThread unthreaded;
    for (auto _ : state) {
        for (double source : sources) {
            for (double centre : third_octave_centres_hz) {
                benchmark::DoNotOptimize(plain_band(design, flat, centre, source));
            }
        }
    }
}
BENCHMARK(BM_PlainBemBandTable)
    ->Arg(1)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

}  // namespace
