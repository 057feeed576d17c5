// The free field of a line source, G = (i/4) H0(k r) (time factor
// exp(-i w t)), its slope, and Gauss-Legendre rules: what every integral of
// the boundary-element equations is built from.
#pragma once

#include <boost/math/special_functions/bessel.hpp>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace welkin::bem::kernel {

using Complex = std::complex<double>;

inline constexpr Complex i_unit{0, 1};

// Bessel functions evaluated in double precision: Boost.Math promotes a
// double to long double by default, whose argument reduction then takes
// most of an assembly's time for digits the solution never uses.
using in_double = boost::math::policies::policy<boost::math::policies::promote_double<false>>;

inline double bessel_j(int order, double z) {
    return boost::math::cyl_bessel_j(order, z, in_double());
}
inline double bessel_y(int order, double z) {
    return boost::math::cyl_neumann(order, z, in_double());
}

// Points closer than this are taken as one; a well-formed mesh never asks
// for the field at a node, and the guard keeps a degenerate one finite.
inline constexpr double coincident_m = 1e-12;

inline Complex green(double k, double r) {
    if (!(r > coincident_m)) return {};
    const double z = k * r;
    return i_unit / 4.0 * Complex{bessel_j(0, z), bessel_y(0, z)};
}

// dG/dr.
inline Complex green_slope(double k, double r) {
    if (!(r > coincident_m)) return {};
    const double z = k * r;
    return -i_unit * k / 4.0 * Complex{bessel_j(1, z), bessel_y(1, z)};
}

// G with its logarithm taken out: G(r) + ln(r) / (2 pi), continuous at
// r = 0, where it is i/4 - (ln(k/2) + Euler's gamma) / (2 pi).
inline Complex green_without_log(double k, double r) {
    constexpr double two_pi = 2 * std::numbers::pi;
    if (!(r > coincident_m)) {
        return Complex{0, 0.25} - (std::log(k / 2) + std::numbers::egamma) / two_pi;
    }
    return green(k, r) + std::log(r) / two_pi;
}

// Gauss-Legendre points and weights on [0, 1].
struct Rule {
    std::vector<double> x;
    std::vector<double> w;
};

// The n-point rule, 1 <= n <= 32 (larger n give the 32-point rule).
const Rule& gauss_on_unit(int n);

}  // namespace welkin::bem::kernel
