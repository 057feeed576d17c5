// The time-harmonic scattering problem on a mesh, for one wave number.
//
// The scattered pressure is a double layer, p_s(x) = integral of
// mu(y) dG(x, y)/dn_y over the boundary, with G = (i/4) H0(k r) the free
// field of a line source (time factor exp(-i w t)). On thin panels mu is the
// jump in pressure across the panel and the rigid faces ask
// dp_s/dn = -dp_inc/dn, the hypersingular equation; on a closed body mu is
// the surface pressure and the Burton-Miller combination of that equation
// with the surface's own integral equation has no spurious resonances.
//
// On thin panels mu is continuous and linear along each element, the
// equation tested in Galerkin form (panel_galerkin.h), so the unknowns are
// the jump's values at the nodes (Mesh::shares) and the matrix is symmetric
// as the operator is. On a closed body mu is constant on each element and
// the equations hold at element centres, the hypersingular operator taken
// as k^2 n_x.n_y G integrated over each element plus the tangential pull of
// G at the element's two ends.
#pragma once

#include <Eigen/Dense>
#include <atomic>
#include <complex>
#include <vector>

#include "response/bem/assembly.h"
#include "response/bem/boundary.h"

namespace welkin::bem {

// Where the sound comes from: a line source at a point, or a plane wave
// travelling along a unit direction.
struct Incidence {
    bool plane_wave = false;
    Point where;  // the source, or the plane wave's direction of travel
};

Complex incident_pressure(const Incidence& inc, double k, Point x);

Eigen::MatrixXcd system_matrix(const Mesh& mesh, double k, const Assembly& how);

// One column per incidence, one row per unknown.
Eigen::MatrixXcd right_hand_sides(const Mesh& mesh, double k,
                                  const std::vector<Incidence>& incidences);

// What each element's unit density sends to each point off the boundary:
// one row per point, one column per unknown, so that the product with the
// solved densities (one column per incidence) gives every scattered
// pressure at once.
Eigen::MatrixXcd receiver_matrix(const Mesh& mesh, double k, const std::vector<Point>& at);

// The scattered pressure at a point off the boundary for the solved
// densities (one column), at each point.
std::vector<Complex> scattered_pressure(const Mesh& mesh, double k, const Eigen::VectorXcd& mu,
                                        const std::vector<Point>& at);

}  // namespace welkin::bem
