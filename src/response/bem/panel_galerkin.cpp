#include "response/bem/panel_galerkin.h"

#include <cmath>
#include <mutex>
#include <optional>
#include <span>
#include <thread>

#include "response/bem/kernel.h"
#include "response/bem/repeats.h"

namespace welkin::bem::panels {

namespace {

using kernel::gauss_on_unit;
using kernel::green;
using kernel::green_slope;
using kernel::green_without_log;

constexpr double two_pi = 2 * std::numbers::pi;

Point start_of(const Element& e) {
    return {e.centre.x - e.length / 2 * e.direction.x, e.centre.y - e.length / 2 * e.direction.y};
}

// The point a fraction t of the way along the element.
Point at_fraction(const Element& e, Point start, double t) {
    return {start.x + t * e.length * e.direction.x, start.y + t * e.length * e.direction.y};
}

// Coordinates are metres, far from overflow: the plain root, without
// hypot's care for extremes, which cost a twentieth of an assembly.
double distance(Point p, Point q) {
    const double dx = p.x - q.x;
    const double dy = p.y - q.y;
    return std::sqrt(dx * dx + dy * dy);
}

// The antiderivatives of ln(u^2 + d^2) / 2 and of u times it.
double log_antiderivative(double u, double d) {
    const double q = u * u + d * d;
    const double l = q > 0 ? std::log(q) : 0;
    return 0.5 * (u * l - 2 * u) + (d > 0 ? d * std::atan(u / d) : 0);
}
double log_first_moment_antiderivative(double u, double d) {
    const double q = u * u + d * d;
    const double l = q > 0 ? std::log(q) : 0;
    return 0.25 * (q * l - u * u);
}

// Exactly, the integrals over s in [0, 1] of ln|x - y(s)| and of s ln|x - y(s)|,
// y(s) running along the element.
std::array<double, 2> log_moments(const Element& e, Point start, Point x) {
    const double rx = x.x - start.x;
    const double ry = x.y - start.y;
    const double s0 = (rx * e.direction.x + ry * e.direction.y) / e.length;
    const double d = std::abs(rx * e.direction.y - ry * e.direction.x) / e.length;
    const double f0 = log_antiderivative(1 - s0, d) - log_antiderivative(-s0, d);
    const double f1 = log_first_moment_antiderivative(1 - s0, d) -
                      log_first_moment_antiderivative(-s0, d);
    const double lh = std::log(e.length);
    return {lh + f0, lh / 2 + f1 + s0 * f0};
}

struct Orders {
    int outer = 2;
    int inner = 2;
    bool near = false;  // the logarithm taken out and integrated exactly
};

// Enough points for a pair: more the nearer the elements are.
Orders orders_for(const Element& test, const Element& trial) {
    const double h = std::max(test.length, trial.length);
    const double d = distance(test.centre, trial.centre);
    if (d < 1.5 * h) return {16, 12, true};
    if (d < 3 * h) return {6, 6, false};
    if (d < 6 * h) return {4, 4, false};
    if (d < 15 * h) return {3, 3, false};
    return {2, 2, false};
}

// Over the trial element from x: the integrals of G and of s G.
std::array<Complex, 2> inner_integrals(const Element& trial, Point start, double k, Point x,
                                       const Orders& o) {
    const kernel::Rule& rule = gauss_on_unit(o.inner);
    Complex whole = 0;
    Complex first = 0;
    for (std::size_t p = 0; p < rule.x.size(); ++p) {
        const double r = distance(x, at_fraction(trial, start, rule.x[p]));
        const Complex g = o.near ? green_without_log(k, r) : green(k, r);
        whole += rule.w[p] * g;
        first += rule.w[p] * rule.x[p] * g;
    }
    if (o.near) {
        const std::array<double, 2> logs = log_moments(trial, start, x);
        whole -= logs[0] / two_pi;
        first -= logs[1] / two_pi;
    }
    return {whole, first};
}

}  // namespace

Block pair_block(const Element& test, const Element& trial, double k) {
    const Orders o = orders_for(test, trial);
    const kernel::Rule& outer = gauss_on_unit(o.outer);
    const Point test_start = start_of(test);
    const Point trial_start = start_of(trial);
    Block hats{};      // int int G phi_a(t) phi_b(s), in unit lengths
    Complex plain = 0; // int int G, in unit lengths
    for (std::size_t q = 0; q < outer.x.size(); ++q) {
        const double t = outer.x[q];
        const auto [whole, first] =
            inner_integrals(trial, trial_start, k, at_fraction(test, test_start, t), o);
        const std::array<Complex, 2> by_trial_end = {whole - first, first};
        const std::array<double, 2> test_hat = {1 - t, t};
        for (std::size_t a = 0; a < 2; ++a) {
            for (std::size_t b = 0; b < 2; ++b) {
                hats[2 * a + b] += outer.w[q] * test_hat[a] * by_trial_end[b];
            }
        }
        plain += outer.w[q] * whole;
    }
    const double nn = test.normal.x * trial.normal.x + test.normal.y * trial.normal.y;
    const double scale = k * k * nn * test.length * trial.length;
    // The hats' slopes along the elements are -1/h and +1/h.
    const std::array<double, 2> slope_sign = {-1, 1};
    Block out{};
    for (std::size_t a = 0; a < 2; ++a) {
        for (std::size_t b = 0; b < 2; ++b) {
            out[2 * a + b] = scale * hats[2 * a + b] - slope_sign[a] * slope_sign[b] * plain;
        }
    }
    return out;
}

std::array<Complex, 2> double_layer_moments(const Element& e, double k, Point x) {
    const double d = distance(e.centre, x);
    const kernel::Rule& rule = gauss_on_unit(d < 3 * e.length ? 16 : d < 15 * e.length ? 6 : 4);
    const Point start = start_of(e);
    std::array<Complex, 2> out{};
    for (std::size_t q = 0; q < rule.x.size(); ++q) {
        const Point y = at_fraction(e, start, rule.x[q]);
        const double r = std::max(distance(x, y), kernel::coincident_m);
        const double reach = e.normal.x * (y.x - x.x) + e.normal.y * (y.y - x.y);
        const Complex value = rule.w[q] * e.length * green_slope(k, r) * (reach / r);
        out[0] += (1 - rule.x[q]) * value;
        out[1] += rule.x[q] * value;
    }
    return out;
}

std::array<Complex, 2> plane_wave_moments(const Element& e, double k, Point direction) {
    const kernel::Rule& rule = gauss_on_unit(6);
    const Point start = start_of(e);
    const double along_normal = direction.x * e.normal.x + direction.y * e.normal.y;
    std::array<Complex, 2> out{};
    for (std::size_t q = 0; q < rule.x.size(); ++q) {
        const Point y = at_fraction(e, start, rule.x[q]);
        const Complex value = rule.w[q] * e.length * kernel::i_unit * k * along_normal *
                              std::polar(1.0, k * (direction.x * y.x + direction.y * y.y));
        out[0] += (1 - rule.x[q]) * value;
        out[1] += rule.x[q] * value;
    }
    return out;
}

namespace {

// Every element end's shares in one array, end by end (element e's ends
// are 2e and 2e + 1): read for every pair, so kept together.
struct EndShares {
    std::vector<Share> all;
    std::vector<std::size_t> start;  // per end, and one past the last

    explicit EndShares(const Mesh& mesh) {
        for (const ElementShares& e : mesh.shares) {
            for (const auto& end : e.ends) {
                start.push_back(all.size());
                all.insert(all.end(), end.begin(), end.end());
            }
        }
        start.push_back(all.size());
    }
    std::span<const Share> of(std::size_t element, std::size_t end) const {
        const std::size_t at = 2 * element + end;
        return {all.data() + start[at], start[at + 1] - start[at]};
    }
};

// Adds a pair's block to the unknowns its two elements share in, and, for
// two different elements, its transpose where the pair trades places.
void scatter(const EndShares& shares, std::size_t test, std::size_t trial, const Block& b,
             bool lower_only, Eigen::MatrixXcd& a) {
    auto add = [&](int row, int col, Complex value) {
        if (!lower_only || row >= col) a(row, col) += value;
    };
    for (std::size_t ea = 0; ea < 2; ++ea) {
        for (const Share& u : shares.of(test, ea)) {
            for (std::size_t eb = 0; eb < 2; ++eb) {
                for (const Share& v : shares.of(trial, eb)) {
                    const Complex value = u.weight * v.weight * b[2 * ea + eb];
                    add(u.unknown, v.unknown, value);
                    if (test != trial) add(v.unknown, u.unknown, value);
                }
            }
        }
    }
}

// A pair with itself, made exactly symmetric as the operator is.
Block self_block(const Element& e, double k) {
    Block b = pair_block(e, e, k);
    b[1] = b[2] = (b[1] + b[2]) / 2.0;
    return b;
}

Block block_of(const Mesh& mesh, std::size_t test, std::size_t trial, double k) {
    return test == trial ? self_block(mesh.elements[test], k)
                         : pair_block(mesh.elements[test], mesh.elements[trial], k);
}

// The matrix filled one row of blocks at a time by several threads: the
// blocks computed unlocked, then added in under the lock.
struct Filling {
    const Mesh& mesh;
    const EndShares& shares;
    const Repeats& repeats;
    double k;
    bool lower_only;
    Eigen::MatrixXcd& a;
    std::mutex scattering;
};

// Family f's copy in the first cell with every family's copy `offset`
// cells on (those after f in its own cell), each block added to every pair
// of copies that far apart.
void family_row(Filling& fill, std::size_t f, int offset, std::vector<Block>& row) {
    const auto& families = fill.repeats.families;
    const std::size_t first = offset == 0 ? f : 0;
    const auto d = static_cast<std::size_t>(offset);
    row.clear();
    for (std::size_t g = first; g < families.size(); ++g) {
        row.push_back(block_of(fill.mesh, families[f][0], families[g][d], fill.k));
    }
    const std::lock_guard lock(fill.scattering);
    const auto cells = static_cast<std::size_t>(fill.repeats.cells);
    // Copy by copy of the test element, so that a copy's entries, which
    // the lower triangle keeps in its own column or two, are added while
    // those columns are at hand.
    for (std::size_t c = 0; c + d < cells; ++c) {
        for (std::size_t g = first; g < families.size(); ++g) {
            scatter(fill.shares, families[f][c], families[g][c + d], row[g - first], fill.lower_only,
                    fill.a);
        }
    }
}

// An element without copies with every family's element and with the
// others from itself on.
void other_row(Filling& fill, std::size_t at, std::vector<Block>& row) {
    const std::vector<std::size_t>& others = fill.repeats.others;
    const std::size_t test = others[at];
    std::vector<std::size_t> trials(others.begin() + static_cast<std::ptrdiff_t>(at), others.end());
    for (const auto& family : fill.repeats.families) {
        trials.insert(trials.end(), family.begin(), family.end());
    }
    row.clear();
    for (std::size_t trial : trials) row.push_back(block_of(fill.mesh, test, trial, fill.k));
    const std::lock_guard lock(fill.scattering);
    for (std::size_t j = 0; j < trials.size(); ++j) {
        scatter(fill.shares, test, trials[j], row[j], fill.lower_only, fill.a);
    }
}

}  // namespace

Eigen::MatrixXcd panel_matrix(const Mesh& mesh, double k, const Assembly& how) {
    Eigen::MatrixXcd a = Eigen::MatrixXcd::Zero(mesh.unknowns, mesh.unknowns);
    Repeats repeats;
    if (how.reuse) {
        repeats = repeats_of(mesh);
    } else {
        for (std::size_t i = 0; i < mesh.elements.size(); ++i) repeats.others.push_back(i);
    }
    const EndShares shares(mesh);
    Filling fill{mesh, shares, repeats, k, how.lower_only, a, {}};
    const auto cells = static_cast<std::size_t>(repeats.cells);
    const std::size_t family_jobs = repeats.families.size() * cells;
    const std::size_t jobs = family_jobs + repeats.others.size();
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        std::vector<Block> row;
        for (std::size_t j = next++; j < jobs; j = next++) {
            if (how.cancel && how.cancel->load(std::memory_order_relaxed)) return;
            if (j < family_jobs) {
                family_row(fill, j / cells, static_cast<int>(j % cells), row);
            } else {
                other_row(fill, j - family_jobs, row);
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

}  // namespace welkin::bem::panels
