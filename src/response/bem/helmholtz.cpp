#include "response/bem/helmholtz.h"

#include <algorithm>
#include <array>
#include <boost/math/special_functions/bessel.hpp>
#include <cmath>
#include <numbers>
#include <optional>
#include <thread>

#include "response/bem/entry_cache.h"

namespace welkin::bem {

namespace {

constexpr Complex i_unit{0, 1};
constexpr double pi = std::numbers::pi;

// Bessel functions evaluated in double precision: Boost.Math promotes a
// double to long double by default, whose argument reduction then takes
// most of an assembly's time for digits the solution never uses.
using in_double = boost::math::policies::policy<boost::math::policies::promote_double<false>>;

double bessel_j(int order, double z) {
    return boost::math::cyl_bessel_j(order, z, in_double());
}
double bessel_y(int order, double z) {
    return boost::math::cyl_neumann(order, z, in_double());
}

// H0(z) and H1(z) of the first kind.
Complex hankel0(double z) {
    return {bessel_j(0, z), bessel_y(0, z)};
}
Complex hankel1(double z) {
    return {bessel_j(1, z), bessel_y(1, z)};
}

// Points closer than this are taken as one; a well-formed mesh never asks
// for the field at a node, and the guard keeps a degenerate one finite.
constexpr double coincident_m = 1e-12;

Complex green(double k, double r) {
    return r > coincident_m ? i_unit / 4.0 * hankel0(k * r) : Complex{};
}
// dG/dr.
Complex green_slope(double k, double r) {
    return r > coincident_m ? -i_unit * k / 4.0 * hankel1(k * r) : Complex{};
}

// Gauss-Legendre points and weights on [-1, 1].
struct Rule {
    std::vector<double> x;
    std::vector<double> w;
};

const Rule& gauss(int n) {
    static const std::array<Rule, 3> rules = {
        Rule{{-0.5773502691896258, 0.5773502691896258}, {1, 1}},
        Rule{{-0.8611363115940526, -0.3399810435848563, 0.3399810435848563, 0.8611363115940526},
             {0.3478548451374538, 0.6521451548625461, 0.6521451548625461, 0.3478548451374538}},
        Rule{{-0.9602898564975363, -0.7966664774136267, -0.5255324099163290, -0.1834346424956498,
              0.1834346424956498, 0.5255324099163290, 0.7966664774136267, 0.9602898564975363},
             {0.1012285362903763, 0.2223810344533745, 0.3137066458778873, 0.3626837833783620,
              0.3626837833783620, 0.3137066458778873, 0.2223810344533745, 0.1012285362903763}}};
    return n <= 2 ? rules[0] : n <= 4 ? rules[1] : rules[2];
}

double distance(Point p, Point q) {
    return std::hypot(p.x - q.x, p.y - q.y);
}

// Enough points for an element seen from x: more the nearer it is.
const Rule& rule_for(const Element& e, Point x) {
    const double r = distance(e.centre, x);
    return gauss(r < 3 * e.length ? 8 : r < 12 * e.length ? 4 : 2);
}

Point along(const Element& e, double t) {
    return {e.centre.x + t * e.length / 2 * e.direction.x,
            e.centre.y + t * e.length / 2 * e.direction.y};
}

// Integral of G(|x - y|) over the element that x is the centre of: the
// logarithm in Y0 integrated exactly, the rest by quadrature on each half.
Complex self_green_integral(double k, double h) {
    const Rule& rule = gauss(8);
    double j_sum = 0;
    double y_rest = 0;
    for (std::size_t q = 0; q < rule.x.size(); ++q) {
        const double r = (rule.x[q] + 1) * h / 4;  // on (0, h/2)
        const double z = k * r;
        j_sum += rule.w[q] * bessel_j(0, z);
        y_rest += rule.w[q] * (bessel_y(0, z) - 2 / pi * std::log(z));
    }
    // Both halves, each (h/2) x (1/2) x the rule's sum.
    j_sum *= h / 2;
    y_rest *= h / 2;
    const double y_log = 2 / pi * h * (std::log(k * h / 2) - 1);
    return i_unit / 4.0 * Complex{j_sum, y_rest + y_log};
}

Complex green_integral(const Element& e, double k, Point x) {
    const Rule& rule = rule_for(e, x);
    Complex sum = 0;
    for (std::size_t q = 0; q < rule.x.size(); ++q) {
        sum += rule.w[q] * green(k, distance(along(e, rule.x[q]), x));
    }
    return sum * (e.length / 2);
}

// Integral of dG(x, y)/dn_y over the element.
Complex double_layer(const Element& e, double k, Point x) {
    const Rule& rule = rule_for(e, x);
    Complex sum = 0;
    for (std::size_t q = 0; q < rule.x.size(); ++q) {
        const Point y = along(e, rule.x[q]);
        const double r = std::max(distance(x, y), coincident_m);
        const double reach = e.normal.x * (x.x - y.x) + e.normal.y * (x.y - y.y);
        sum -= rule.w[q] * green_slope(k, r) * (reach / r);
    }
    return sum * (e.length / 2);
}

// Tangential pull of G at a node: s_i . grad_x G(x_i, node).
Complex pull(const Element& ei, double k, Point node) {
    const double dx = ei.centre.x - node.x;
    const double dy = ei.centre.y - node.y;
    const double r = std::max(std::hypot(dx, dy), coincident_m);
    return green_slope(k, r) * ((ei.direction.x * dx + ei.direction.y * dy) / r);
}

// The hypersingular operator's entry for collocation element i and element j.
Complex hypersingular_entry(const Mesh& mesh, double k, std::size_t i, std::size_t j) {
    const Element& ei = mesh.elements[i];
    const Element& ej = mesh.elements[j];
    const double nn = ei.normal.x * ej.normal.x + ei.normal.y * ej.normal.y;
    const Complex g = i == j ? self_green_integral(k, ej.length) : green_integral(ej, k, ei.centre);
    const Complex ends = pull(ei, k, mesh.nodes[static_cast<std::size_t>(ej.first_node)]) -
                         pull(ei, k, mesh.nodes[static_cast<std::size_t>(ej.second_node)]);
    return k * k * nn * g + ends;
}

// The Burton-Miller coupling i / k.
Complex coupling(double k) {
    return i_unit / k;
}

// The system's entry: the hypersingular operator on thin panels; on a
// closed body its own equation p/2 - D p plus the coupling times it.
Complex system_entry(const Mesh& mesh, double k, std::size_t i, std::size_t j) {
    if (mesh.kind == BoundaryKind::thin_panels) return hypersingular_entry(mesh, k, i, j);
    // A straight element sees no double layer at its own centre.
    const Complex own =
        i == j ? Complex{0.5} : -double_layer(mesh.elements[j], k, mesh.elements[i].centre);
    return own + coupling(k) * hypersingular_entry(mesh, k, i, j);
}

// Weighted by element lengths, the hypersingular operator's matrix is
// symmetric as the operator is; collocation leaves it so only to within
// the discretisation, and evening out the two halves restores reciprocity
// exactly.
void symmetrise(const Mesh& mesh, Eigen::MatrixXcd& a) {
    const auto n = static_cast<Eigen::Index>(mesh.elements.size());
    for (Eigen::Index i = 0; i < n; ++i) {
        const double hi = mesh.elements[static_cast<std::size_t>(i)].length;
        for (Eigen::Index j = i + 1; j < n; ++j) {
            const double hj = mesh.elements[static_cast<std::size_t>(j)].length;
            const Complex mean = (hi * a(i, j) + hj * a(j, i)) / 2.0;
            a(i, j) = mean / hi;
            a(j, i) = mean / hj;
        }
    }
}

// Fills row i, looking each entry up by the pair's shape and offset first.
void fill_row(const Mesh& mesh, double k, std::size_t i, EntryCache* cache, Eigen::MatrixXcd& a) {
    const auto row = static_cast<Eigen::Index>(i);
    for (std::size_t j = 0; j < mesh.elements.size(); ++j) {
        const auto col = static_cast<Eigen::Index>(j);
        if (!cache) {
            a(row, col) = system_entry(mesh, k, i, j);
            continue;
        }
        const EntryKey key = key_of(mesh, i, j);
        if (const Complex* known = cache->find(key)) {
            a(row, col) = *known;
        } else {
            a(row, col) = system_entry(mesh, k, i, j);
            cache->insert(key, a(row, col));
        }
    }
}

// dp_inc/dn at x for the unit normal n.
Complex incident_normal_derivative(const Incidence& inc, double k, Point x, Point n) {
    if (inc.plane_wave) {
        return i_unit * k * (inc.where.x * n.x + inc.where.y * n.y) * incident_pressure(inc, k, x);
    }
    const double dx = x.x - inc.where.x;
    const double dy = x.y - inc.where.y;
    const double r = std::max(std::hypot(dx, dy), coincident_m);
    return green_slope(k, r) * ((n.x * dx + n.y * dy) / r);
}

}  // namespace

Complex incident_pressure(const Incidence& inc, double k, Point x) {
    if (inc.plane_wave) return std::polar(1.0, k * (inc.where.x * x.x + inc.where.y * x.y));
    return green(k, distance(x, inc.where));
}

Eigen::MatrixXcd system_matrix(const Mesh& mesh, double k, const Assembly& how) {
    const auto n = static_cast<Eigen::Index>(mesh.elements.size());
    Eigen::MatrixXcd a(n, n);
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        std::optional<EntryCache> cache;
        if (how.reuse) cache.emplace(mesh.elements.size());
        for (std::size_t i = next++; i < mesh.elements.size(); i = next++) {
            if (how.cancel && how.cancel->load(std::memory_order_relaxed)) return;
            fill_row(mesh, k, i, cache ? &*cache : nullptr, a);
        }
    };
    {
        std::vector<std::jthread> helpers;
        for (int t = 1; t < how.threads; ++t) helpers.emplace_back(work);
        work();
    }
    if (mesh.kind == BoundaryKind::thin_panels) symmetrise(mesh, a);
    return a;
}

Eigen::MatrixXcd right_hand_sides(const Mesh& mesh, double k,
                                  const std::vector<Incidence>& incidences) {
    const auto n = static_cast<Eigen::Index>(mesh.elements.size());
    Eigen::MatrixXcd b(n, static_cast<Eigen::Index>(incidences.size()));
    const bool closed = mesh.kind == BoundaryKind::closed_body;
    for (Eigen::Index c = 0; c < b.cols(); ++c) {
        const Incidence& inc = incidences[static_cast<std::size_t>(c)];
        for (Eigen::Index i = 0; i < n; ++i) {
            const Element& e = mesh.elements[static_cast<std::size_t>(i)];
            // A line source's pull on a thin panel is taken as the element's
            // mean, the same integral that carries the element's sound to a
            // receiver, so that source and receiver may trade places.
            const Complex dn = !closed && !inc.plane_wave
                                   ? double_layer(e, k, inc.where) / e.length
                                   : incident_normal_derivative(inc, k, e.centre, e.normal);
            b(i, c) = closed ? incident_pressure(inc, k, e.centre) - coupling(k) * dn : -dn;
        }
    }
    return b;
}

Eigen::MatrixXcd receiver_matrix(const Mesh& mesh, double k, const std::vector<Point>& at) {
    Eigen::MatrixXcd r(static_cast<Eigen::Index>(at.size()),
                       static_cast<Eigen::Index>(mesh.elements.size()));
    for (Eigen::Index p = 0; p < r.rows(); ++p) {
        for (Eigen::Index j = 0; j < r.cols(); ++j) {
            r(p, j) = double_layer(mesh.elements[static_cast<std::size_t>(j)], k,
                                   at[static_cast<std::size_t>(p)]);
        }
    }
    return r;
}

std::vector<Complex> scattered_pressure(const Mesh& mesh, double k, const Eigen::VectorXcd& mu,
                                        const std::vector<Point>& at) {
    std::vector<Complex> out;
    out.reserve(at.size());
    for (const Point& x : at) {
        Complex sum = 0;
        for (std::size_t j = 0; j < mesh.elements.size(); ++j) {
            sum += mu(static_cast<Eigen::Index>(j)) * double_layer(mesh.elements[j], k, x);
        }
        out.push_back(sum);
    }
    return out;
}

}  // namespace welkin::bem
