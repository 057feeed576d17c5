// The whole one-third-octave table (100 Hz to 5 kHz, seven frequencies a
// band, the design and its flat reference on the 37-point arc) for a row of
// 20 panels, beside the obvious loop over every well of every panel.
#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>
#include <numbers>

#include "core/design_snapshot.h"
#include "core/sequence.h"
#include "core/width_analysis.h"
#include "response/diffusion.h"

namespace {

constexpr int panels = 20;

// The default 600 Hz panel, 3 mm fins, with the well width auto-wells gives it.
welkin::Surface default_surface(int n) {
    welkin::DesignSnapshot s;
    welkin::Design& d = s.design;
    d.well_count = n;
    s.sequence = welkin::panel_sequence(d);
    d.design_freq_hz = 600;
    d.design_half_wavelength_mm = welkin::half_wavelength_from_freq(600);
    d.fin_width_mm = 3;
    d.well_width_mm = welkin::analyse_widths(d, s.sequence).recommended_width_mm;
    return welkin::surface_of(s, panels);
}

void BM_FarFieldBandTable(benchmark::State& state) {
    const welkin::Surface s = default_surface(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(welkin::band_table(s, 0));
}
BENCHMARK(BM_FarFieldBandTable)->Arg(7)->Arg(31)->Arg(101)->Unit(benchmark::kMillisecond);

// Every well of every panel summed at every angle and frequency, fins as
// their own strips, no series; the flat reference as one strip.
double plain_pressure(const welkin::Surface& s, double k, double theta) {
    const double u = k * std::sin(theta);
    std::complex<double> sum = 0;
    auto strip = [&](double centre, double width, double depth) {
        const double h = u * width / 2;
        const double sinc = h == 0 ? 1 : std::sin(h) / h;
        sum += width * sinc * std::polar(1.0, u * centre - 2 * k * depth);
    };
    const double fin = s.period_mm / static_cast<double>(s.wells.size()) - s.wells[0].width_mm;
    for (int p = 0; p < s.periods; ++p) {
        for (const welkin::Well& w : s.wells) {
            const double centre = p * s.period_mm + w.centre_mm;
            strip(centre, w.width_mm, w.depth_mm);
            strip(centre + (w.width_mm + fin) / 2, fin, 0);
        }
    }
    return std::abs((std::cos(theta) + 1) / 2 * sum);
}

void BM_FarFieldBandTableWellByWell(benchmark::State& state) {
    const welkin::Surface s = default_surface(static_cast<int>(state.range(0)));
    const std::vector<double> arc = welkin::iso_arc_deg();
    for (auto _ : state) {
        for (double centre : welkin::third_octave_centres_hz) {
            for (int i = -3; i <= 3; ++i) {
                const double k = 2 * std::numbers::pi * centre * std::exp2(i / 18.0) / 344000;
                for (double a : arc) {
                    benchmark::DoNotOptimize(plain_pressure(s, k, a * std::numbers::pi / 180));
                }
            }
        }
    }
}
BENCHMARK(BM_FarFieldBandTableWellByWell)->Arg(7)->Arg(101)->Unit(benchmark::kMillisecond);

}  // namespace
