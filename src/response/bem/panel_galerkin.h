// The hypersingular equation on thin panels, in Galerkin form with the jump
// continuous and linear along each element (see Mesh's shares). Tested with
// the same hats, the operator integrates by parts into a weakly singular
// form with no free-edge terms, since the jump vanishes there and its
// signed sum vanishes where panels meet:
//
//   <v, dD mu/dn> = k^2 int int n_x.n_y G v(x) mu(y) - int int G v'(x) mu'(y),
//
// primes along each element's direction. The logarithm of G is integrated
// exactly along the inner element wherever two elements are close, the
// rest by Gauss rules that grow as the elements draw near.
#pragma once

#include <Eigen/Dense>
#include <array>

#include "response/bem/assembly.h"
#include "response/bem/boundary.h"

namespace welkin::bem::panels {

// A pair's four entries, [test end * 2 + trial end], ends as in Element.
using Block = std::array<Complex, 4>;

Block pair_block(const Element& test, const Element& trial, double k);

// The integrals of each end's hat times dG(x, y)/dn_y over the element:
// what the element sends to x, and, from a line source at x, its pull on
// the element.
std::array<Complex, 2> double_layer_moments(const Element& e, double k, Point x);

// The integrals of each end's hat times d/dn of a unit plane wave
// travelling along `direction`.
std::array<Complex, 2> plane_wave_moments(const Element& e, double k, Point direction);

Eigen::MatrixXcd panel_matrix(const Mesh& mesh, double k, const Assembly& how);

}  // namespace welkin::bem::panels
