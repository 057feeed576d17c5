// The field scattered by a rigid circular cylinder in a plane wave, as the
// exact series: with the wave exp(i k x) and the time factor exp(-i w t),
//
//   p_s(r, theta) = - sum over n >= 0 of eps_n i^n J_n'(ka) / H_n'(ka)
//                   H_n(kr) cos(n theta),   eps_0 = 1, eps_n = 2,
//
// and the solver's prediction for the same cylinder built of straight
// elements, compared receiver by receiver.
#pragma once

#include <boost/math/special_functions/bessel.hpp>
#include <boost/math/special_functions/bessel_prime.hpp>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include "response/bem/boundary.h"
#include "response/bem/helmholtz.h"

namespace welkin::bem::testing {

inline std::complex<double> hankel_n(int n, double z) {
    return {boost::math::cyl_bessel_j(n, z), boost::math::cyl_neumann(n, z)};
}
inline std::complex<double> hankel_n_prime(int n, double z) {
    return {boost::math::cyl_bessel_j_prime(n, z), boost::math::cyl_neumann_prime(n, z)};
}

// Terms beyond n = ka + 30 are far below double precision at r >= a.
inline std::complex<double> exact_cylinder_field(double ka, double kr, double theta) {
    std::complex<double> sum = 0;
    std::complex<double> i_power = 1;
    const int terms = static_cast<int>(ka) + 30;
    for (int n = 0; n <= terms; ++n) {
        const double eps = n == 0 ? 1 : 2;
        const std::complex<double> ratio =
            boost::math::cyl_bessel_j_prime(n, ka) / hankel_n_prime(n, ka);
        sum -= eps * i_power * ratio * hankel_n(n, kr) * std::cos(n * theta);
        i_power *= std::complex<double>{0, 1};
    }
    return sum;
}

struct CylinderComparison {
    double worst_magnitude_error = 0;  // relative, over the receivers
};

// A unit cylinder (radius 1 m, k = ka) as `sides` elements, receivers every
// 10 degrees on a circle of radius `receiver_radius`.
inline CylinderComparison compare_cylinder(double ka, int sides, double receiver_radius,
                                           int threads) {
    const Mesh mesh = mesh_of(circle_polygon(1.0, sides), 10.0);
    const double k = ka;
    const Eigen::MatrixXcd a = system_matrix(mesh, k, {threads, true, nullptr});
    const Incidence wave{true, {1, 0}};
    const Eigen::MatrixXcd b = right_hand_sides(mesh, k, {wave});
    const Eigen::VectorXcd mu = a.partialPivLu().solve(b.col(0));
    std::vector<Point> receivers;
    std::vector<double> angles;
    for (int deg = 0; deg < 360; deg += 10) {
        const double t = deg * std::numbers::pi / 180;
        angles.push_back(t);
        receivers.push_back({receiver_radius * std::cos(t), receiver_radius * std::sin(t)});
    }
    const std::vector<std::complex<double>> p = scattered_pressure(mesh, k, mu, receivers);
    CylinderComparison c;
    for (std::size_t r = 0; r < receivers.size(); ++r) {
        const double exact = std::abs(exact_cylinder_field(ka, k * receiver_radius, angles[r]));
        c.worst_magnitude_error =
            std::max(c.worst_magnitude_error, std::abs(std::abs(p[r]) - exact) / exact);
    }
    return c;
}

}  // namespace welkin::bem::testing
