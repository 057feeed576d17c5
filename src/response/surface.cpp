#include "response/surface.h"

#include <cmath>

#include "core/design_snapshot.h"
#include "core/sequence.h"

namespace welkin {

namespace {

// Far beyond anything a room holds; keeps the footprint's arithmetic finite.
constexpr int max_periods = 1000;

bool positive(double x) {
    return std::isfinite(x) && x > 0;
}

bool inside_period(const Well& w, double period_mm) {
    const double half = w.width_mm / 2;
    // Wells laid side by side end at the period's edge give or take the
    // last bit of their arithmetic.
    const double slack = 1e-9 * period_mm;
    return positive(w.width_mm) && std::isfinite(w.centre_mm) && std::isfinite(w.depth_mm) &&
           w.depth_mm >= 0 && w.centre_mm - half >= -slack &&
           w.centre_mm + half <= period_mm + slack;
}

}  // namespace

Result<Surface> checked_surface(Surface surface) {
    bool ok = positive(surface.period_mm) && surface.periods >= 1 && surface.periods <= max_periods;
    for (const Well& w : surface.wells) ok = ok && inside_period(w, surface.period_mm);
    if (!ok) return Result<Surface>::failure(std::string(surface_error_text));
    return surface;
}

Surface surface_of_depths(const std::vector<double>& depths_mm, double well_width_mm,
                          double fin_width_mm, int periods) {
    const double cell = well_width_mm + fin_width_mm;
    Surface s{
        .wells = {}, .period_mm = cell * static_cast<double>(depths_mm.size()), .periods = periods};
    s.wells.reserve(depths_mm.size());
    for (std::size_t i = 0; i < depths_mm.size(); ++i) {
        s.wells.push_back({.centre_mm = (static_cast<double>(i) + 0.5) * cell,
                           .width_mm = well_width_mm,
                           .depth_mm = depths_mm[i]});
    }
    return s;
}

Surface surface_of(const DesignSnapshot& snapshot, int periods) {
    const Design& design = snapshot.design;
    const int n = design.well_count;
    std::vector<double> depths;
    if (n >= min_well_count && n <= max_well_count) {
        for (int i = 0; i < n; ++i) {
            depths.push_back(well_depth_mm(design, snapshot.sequence.at(i)));
        }
    }
    return surface_of_depths(depths, design.well_width_mm, design.fin_width_mm, periods);
}

Surface flat_of(const Surface& surface) {
    return {.wells = {}, .period_mm = surface.period_mm, .periods = surface.periods};
}

}  // namespace welkin
