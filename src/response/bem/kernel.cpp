#include "response/bem/kernel.h"

#include <algorithm>
#include <array>

namespace welkin::bem::kernel {

namespace {

constexpr int most_points = 32;

// The roots of the Legendre polynomial by Newton's method from the usual
// first guesses, mapped from [-1, 1] to [0, 1].
Rule legendre_rule(int n) {
    Rule r{std::vector<double>(static_cast<std::size_t>(n)),
           std::vector<double>(static_cast<std::size_t>(n))};
    for (int i = 0; i < n; ++i) {
        double x = std::cos(std::numbers::pi * (i + 0.75) / (n + 0.5));
        double slope = 1;
        for (int step = 0; step < 100; ++step) {
            double p0 = 1;
            double p1 = x;
            for (int m = 2; m <= n; ++m) {
                const double p2 = ((2 * m - 1) * x * p1 - (m - 1) * p0) / m;
                p0 = p1;
                p1 = p2;
            }
            slope = n * (x * p1 - p0) / (x * x - 1);
            const double dx = p1 / slope;
            x -= dx;
            if (std::abs(dx) < 1e-16) break;
        }
        const auto at = static_cast<std::size_t>(i);
        r.x[at] = (1 - x) / 2;
        r.w[at] = 1 / ((1 - x * x) * slope * slope);
    }
    return r;
}

}  // namespace

const Rule& gauss_on_unit(int n) {
    static const std::array<Rule, most_points> rules = [] {
        std::array<Rule, most_points> all;
        for (int m = 1; m <= most_points; ++m) all[static_cast<std::size_t>(m - 1)] = legendre_rule(m);
        return all;
    }();
    return rules[static_cast<std::size_t>(std::clamp(n, 1, most_points) - 1)];
}

}  // namespace welkin::bem::kernel
