#include "response/bem/helmholtz.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <thread>

#include "response/bem/kernel.h"
#include "response/bem/panel_galerkin.h"

namespace welkin::bem {

namespace {

using kernel::green;
using kernel::green_slope;
using kernel::i_unit;
using kernel::bessel_j;
using kernel::bessel_y;
using kernel::coincident_m;

constexpr double pi = std::numbers::pi;

// The classic Gauss-Legendre rules on [-1, 1] that the closed body's
// collocation uses.
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

// The closed body's entry: its own equation p/2 - D p plus the coupling
// times the hypersingular one.
Complex system_entry(const Mesh& mesh, double k, std::size_t i, std::size_t j) {
    // A straight element sees no double layer at its own centre.
    const Complex own =
        i == j ? Complex{0.5} : -double_layer(mesh.elements[j], k, mesh.elements[i].centre);
    return own + coupling(k) * hypersingular_entry(mesh, k, i, j);
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
    if (mesh.kind == BoundaryKind::thin_panels) return panels::panel_matrix(mesh, k, how);
    const auto n = static_cast<Eigen::Index>(mesh.elements.size());
    Eigen::MatrixXcd a(n, n);
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < mesh.elements.size(); i = next++) {
            if (how.cancel && how.cancel->load(std::memory_order_relaxed)) return;
            for (std::size_t j = 0; j < mesh.elements.size(); ++j) {
                a(static_cast<Eigen::Index>(i), static_cast<Eigen::Index>(j)) =
                    system_entry(mesh, k, i, j);
            }
        }
    };
    {
        std::vector<std::jthread> helpers;
        for (int t = 1; t < how.threads; ++t) helpers.emplace_back(work);
        work();
    }
    return a;
}

namespace {

// Each element's two moments added into its unknowns' entries of a row.
template <typename Moments>
void add_panel_row(const Mesh& mesh, Eigen::Index row, Eigen::MatrixXcd& out, double sign,
                   Moments moments) {
    for (std::size_t e = 0; e < mesh.elements.size(); ++e) {
        const std::array<Complex, 2> m = moments(mesh.elements[e]);
        for (std::size_t end = 0; end < 2; ++end) {
            for (const Share& u : mesh.shares[e].ends[end]) {
                out(row, u.unknown) += sign * u.weight * m[end];
            }
        }
    }
}

Eigen::MatrixXcd panel_right_hand_sides(const Mesh& mesh, double k,
                                        const std::vector<Incidence>& incidences) {
    // Built as rows, one per incidence, then turned.
    Eigen::MatrixXcd rows = Eigen::MatrixXcd::Zero(static_cast<Eigen::Index>(incidences.size()),
                                                   mesh.unknowns);
    for (std::size_t c = 0; c < incidences.size(); ++c) {
        const Incidence& inc = incidences[c];
        const auto row = static_cast<Eigen::Index>(c);
        // A line source's pull on an element is the same integral that
        // carries the element's sound to a receiver there, so that source
        // and receiver may trade places.
        add_panel_row(mesh, row, rows, -1, [&](const Element& e) {
            return inc.plane_wave ? panels::plane_wave_moments(e, k, inc.where)
                                  : panels::double_layer_moments(e, k, inc.where);
        });
    }
    return rows.transpose();
}

}  // namespace

Eigen::MatrixXcd right_hand_sides(const Mesh& mesh, double k,
                                  const std::vector<Incidence>& incidences) {
    if (mesh.kind == BoundaryKind::thin_panels) return panel_right_hand_sides(mesh, k, incidences);
    const auto n = static_cast<Eigen::Index>(mesh.elements.size());
    Eigen::MatrixXcd b(n, static_cast<Eigen::Index>(incidences.size()));
    for (Eigen::Index c = 0; c < b.cols(); ++c) {
        const Incidence& inc = incidences[static_cast<std::size_t>(c)];
        for (Eigen::Index i = 0; i < n; ++i) {
            const Element& e = mesh.elements[static_cast<std::size_t>(i)];
            const Complex dn = incident_normal_derivative(inc, k, e.centre, e.normal);
            b(i, c) = incident_pressure(inc, k, e.centre) - coupling(k) * dn;
        }
    }
    return b;
}

Eigen::MatrixXcd receiver_matrix(const Mesh& mesh, double k, const std::vector<Point>& at) {
    Eigen::MatrixXcd r = Eigen::MatrixXcd::Zero(static_cast<Eigen::Index>(at.size()), mesh.unknowns);
    for (Eigen::Index p = 0; p < r.rows(); ++p) {
        const Point x = at[static_cast<std::size_t>(p)];
        if (mesh.kind == BoundaryKind::thin_panels) {
            add_panel_row(mesh, p, r, 1,
                          [&](const Element& e) { return panels::double_layer_moments(e, k, x); });
            continue;
        }
        for (Eigen::Index j = 0; j < r.cols(); ++j) {
            r(p, j) = double_layer(mesh.elements[static_cast<std::size_t>(j)], k, x);
        }
    }
    return r;
}

std::vector<Complex> scattered_pressure(const Mesh& mesh, double k, const Eigen::VectorXcd& mu,
                                        const std::vector<Point>& at) {
    const Eigen::VectorXcd p = receiver_matrix(mesh, k, at) * mu;
    return {p.data(), p.data() + p.size()};
}

}  // namespace welkin::bem
