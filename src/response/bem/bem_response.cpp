#include "response/bem/bem_response.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <thread>

#include "response/bem/boundary.h"
#include "response/bem/dense_solve.h"
#include "response/bem/panel_galerkin.h"
#include "response/bem/helmholtz.h"
#include "units/angles.h"

namespace welkin::bem {

namespace {

constexpr double pi = std::numbers::pi;
constexpr std::string_view cancelled_text = "Cancelled";
// Beyond this the end elements would be far below any size that matters.
constexpr int most_edge_layers = 8;

using Energies = std::vector<std::vector<double>>;  // per source angle, per receiver

Point on_half_circle(double radius, double angle_deg) {
    const double a = angle_deg * radians_per_degree;
    return {radius * std::sin(a), radius * std::cos(a)};
}

bool stopped(const Control& c) {
    return c.cancel && c.cancel->load(std::memory_order_relaxed);
}

int thread_count(const Setup& s) {
    if (s.threads > 0) return s.threads;
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

// The longest element a surface allows whatever the frequency, in metres.
double geometric_limit(const Surface& surface, const Setup& setup) {
    double narrowest = surface.period_mm * surface.periods;
    for (const Well& w : surface.wells) narrowest = std::min(narrowest, w.width_mm);
    return narrowest * 1e-3 / setup.elements_per_well;
}

Mesh mesh_for(const Boundary& boundary, double limit_m, double frequency_hz, const Setup& setup) {
    return mesh_of(boundary,
                   std::min(limit_m, setup.speed_m_s / frequency_hz / setup.elements_per_wavelength),
                   std::clamp(setup.edge_layers, 0, most_edge_layers));
}

// Each energy divided by the largest of its own arc.
void refer_to_peak(std::vector<double>& e) {
    const double peak = *std::max_element(e.begin(), e.end());
    if (peak > 0) {
        for (double& x : e) x /= peak;
    }
}

// |p_s|^2 at the receivers for every source angle, from a line source of
// unit strength; empty when cancelled.
Energies solve_energies(const Boundary& boundary, double limit_m, double frequency_hz,
                        std::span<const double> sources_deg, std::span<const double> receivers_deg,
                        const Setup& setup, int threads, const Control& control) {
    const Mesh mesh = mesh_for(boundary, limit_m, frequency_hz, setup);
    const double k = 2 * pi * frequency_hz / setup.speed_m_s;
    const bool panels = mesh.kind == BoundaryKind::thin_panels;
    Eigen::MatrixXcd a = system_matrix(mesh, k, {threads, true, control.cancel, panels});
    if (stopped(control)) return {};
    std::vector<Incidence> incidences;
    for (double s : sources_deg) {
        incidences.push_back({false, on_half_circle(setup.source_distance_m, s)});
    }
    // Factorised in place: one matrix's memory, reused for every source. A
    // singular system (no well-formed mesh gives one) hears nothing rather
    // than noise.
    Eigen::MatrixXcd mu = right_hand_sides(mesh, k, incidences);
    // The thin panels' Galerkin matrix is symmetric, pair by pair.
    const Symmetry symmetry = panels ? Symmetry::symmetric : Symmetry::general;
    if (!solve_in_place(a, mu, symmetry)) mu.setZero();
    if (stopped(control)) return {};
    std::vector<Point> receivers;
    for (double r : receivers_deg) receivers.push_back(on_half_circle(setup.receiver_distance_m, r));
    // Every source's pressures at once: the receivers' kernels do not
    // depend on where the sound came from.
    const Eigen::MatrixXcd heard = receiver_matrix(mesh, k, receivers) * mu;
    Energies out;
    for (Eigen::Index c = 0; c < heard.cols(); ++c) {
        std::vector<double> e;
        for (Eigen::Index r = 0; r < heard.rows(); ++r) e.push_back(std::norm(heard(r, c)));
        out.push_back(std::move(e));
    }
    return out;
}

Result<bool> checked_setup(const Setup& s) {
    auto positive = [](double x) { return std::isfinite(x) && x > 0; };
    if (!positive(s.source_distance_m) || !positive(s.receiver_distance_m)) {
        return Result<bool>::failure(std::string(distance_error_text));
    }
    if (!positive(s.speed_m_s) || !positive(s.elements_per_wavelength)) {
        return Result<bool>::failure(std::string(sound_error_text));
    }
    return true;
}

// Whether both the surface and its flat strip mesh within the bound at f.
Result<bool> meshable(const Boundary& surface, double limit_m, double f, const Setup& s) {
    const std::size_t worst = mesh_for(surface, limit_m, f, s).elements.size();
    if (worst == 0 || worst > static_cast<std::size_t>(max_elements)) {
        return Result<bool>::failure(std::string(mesh_error_text));
    }
    return true;
}

struct Problem {
    Boundary surface;
    Boundary flat;
    double limit_m = 0;  // the longest element either may have
};

Result<Problem> checked_problem(const Surface& surface, double top_hz, const Setup& setup) {
    const Result<Surface> s = checked_surface(surface);
    if (!s) return Result<Problem>::failure(s.message());
    const Result<bool> ok = checked_setup(setup);
    if (!ok) return Result<Problem>::failure(ok.message());
    if (!(top_hz > 0 && top_hz <= max_frequency_hz)) {
        return Result<Problem>::failure(std::string(frequency_error_text));
    }
    Problem p{thin_profile(*s), thin_profile(flat_of(*s)), geometric_limit(*s, setup)};
    const Result<bool> fits = meshable(p.surface, p.limit_m, top_hz, setup);
    if (!fits) return Result<Problem>::failure(fits.message());
    return p;
}

void add_into(std::vector<double>& sum, const std::vector<double>& e) {
    for (std::size_t i = 0; i < sum.size(); ++i) sum[i] += e[i];
}

constexpr int solves_per_band = 2 * frequencies_per_band;

// A band's coefficients for every source angle from its solves: the
// surface's and the flat strip's energies, each summed over the band.
std::vector<BandValue> band_values(double centre_hz, const std::vector<Energies>& solved,
                                   std::size_t sources, std::size_t receivers) {
    std::vector<BandValue> out;
    for (std::size_t s = 0; s < sources; ++s) {
        std::vector<double> sum(receivers, 0.0);
        std::vector<double> flat_sum(receivers, 0.0);
        for (std::size_t job = 0; job < solved.size(); ++job) {
            add_into(job % 2 == 0 ? flat_sum : sum, solved[job][s]);
        }
        out.push_back({centre_hz, normalised_diffusion(diffusion_coefficient(sum),
                                                       diffusion_coefficient(flat_sum))});
    }
    return out;
}

// Whether every solve of a band came back, none of them cut short.
bool all_heard(const std::vector<Energies>& solved) {
    return std::none_of(solved.begin(), solved.end(), [](const Energies& e) { return e.empty(); });
}

// Every band's solves in one queue, band after band, each band's largest
// first, on several threads: a thread done with a band's last solve goes
// on to the next band instead of waiting for the others. The calling
// thread works too, and hands each band on, in order, once all its solves
// are in.
class BandQueue {
public:
    BandQueue(const Problem& p, std::span<const double> sources, const Setup& setup,
              const Control& control)
        : p_(p), sources_(sources), setup_(setup), control_(control), arc_(iso_arc_deg()),
          solved_(third_octave_centres_hz.size(),
                  std::vector<Energies>(static_cast<std::size_t>(solves_per_band))),
          left_(third_octave_centres_hz.size()) {
        for (auto& n : left_) n = solves_per_band;
    }

    // The tables, one per source angle; false when cancelled.
    bool run(int threads, std::vector<std::vector<BandValue>>& tables) {
        tables.assign(sources_.size(), {});
        {
            std::vector<std::jthread> helpers;
            for (int t = 1; t < threads; ++t) helpers.emplace_back([this] { work(nullptr); });
            work(&tables);
        }
        hand_on(tables);
        return !stopped(control_) && handed_ == left_.size();
    }

private:
    void work(std::vector<std::vector<BandValue>>* tables) {
        const std::size_t jobs = left_.size() * solves_per_band;
        for (std::size_t j = next_++; j < jobs && !stopped(control_); j = next_++) {
            const std::size_t band = j / solves_per_band;
            // Within a band the largest first; even jobs are the flat strip.
            const std::size_t job = solves_per_band - 1 - j % solves_per_band;
            const double f = band_frequencies_hz(third_octave_centres_hz[band])[job / 2];
            solved_[band][job] = solve_energies(job % 2 == 0 ? p_.flat : p_.surface, p_.limit_m, f,
                                                sources_, arc_, setup_, 1, control_);
            --left_[band];
            if (tables) hand_on(*tables);
        }
    }

    // The finished bands not yet handed on, in order.
    void hand_on(std::vector<std::vector<BandValue>>& tables) {
        while (handed_ < left_.size() && left_[handed_] == 0 && !stopped(control_) &&
               all_heard(solved_[handed_])) {
            const std::vector<BandValue> values = band_values(
                third_octave_centres_hz[handed_], solved_[handed_], sources_.size(), arc_.size());
            solved_[handed_].clear();
            for (std::size_t s = 0; s < values.size(); ++s) tables[s].push_back(values[s]);
            if (control_.band_done) control_.band_done(handed_, values);
            ++handed_;
        }
    }

    const Problem& p_;
    std::span<const double> sources_;
    const Setup& setup_;
    const Control& control_;
    const std::vector<double> arc_;
    std::vector<std::vector<Energies>> solved_;
    std::vector<std::atomic<int>> left_;  // per band, the solves still out
    std::atomic<std::size_t> next_{0};
    std::size_t handed_ = 0;
};

}  // namespace

std::vector<double> random_incidence_angles_deg() {
    std::vector<double> out;
    for (int i = 0; i < 10; ++i) out.push_back(4.5 + 9.0 * i);
    return out;
}

Result<std::vector<std::vector<BandValue>>> band_tables(const Surface& surface,
                                                        std::span<const double> source_angles_deg,
                                                        const Setup& setup,
                                                        const Control& control) {
    using Out = Result<std::vector<std::vector<BandValue>>>;
    const double top = band_frequencies_hz(third_octave_centres_hz.back()).back();
    const Result<Problem> p = checked_problem(surface, top, setup);
    if (!p) return Out::failure(p.message());
    for (double s : source_angles_deg) {
        const Result<Sound> sound = checked_sound({top, s, setup.speed_m_s});
        if (!sound) return Out::failure(sound.message());
    }
    // Each solve on its own core: threads of the linear algebra on top
    // would only queue for the same cores.
    const int at_once = solves_at_once(
        mesh_for(p->surface, p->limit_m, top, setup).elements.size(), setup);
    std::optional<OneBlasThread> one_each;
    if (at_once > 1) one_each.emplace();
    BandQueue queue(*p, source_angles_deg, setup, control);
    std::vector<std::vector<BandValue>> tables;
    if (!queue.run(at_once, tables)) return Out::failure(std::string(cancelled_text));
    return tables;
}

std::vector<BandValue> mean_table(const std::vector<std::vector<BandValue>>& tables) {
    std::vector<BandValue> out;
    if (tables.empty()) return out;
    const double n = static_cast<double>(tables.size());
    for (std::size_t b = 0; b < tables.front().size(); ++b) {
        BandValue mean{tables.front()[b].centre_hz, {}};
        for (const auto& t : tables) {
            mean.diffusion.d += t[b].diffusion.d / n;
            mean.diffusion.d_flat += t[b].diffusion.d_flat / n;
            mean.diffusion.d_n += t[b].diffusion.d_n / n;
        }
        out.push_back(mean);
    }
    return out;
}

Result<ArcResponse> arc_response(const Surface& surface, const Sound& sound,
                                 std::span<const double> receiver_angles_deg, const Setup& setup,
                                 const Control& control) {
    const Result<Sound> s = checked_sound(sound);
    if (!s) return Result<ArcResponse>::failure(s.message());
    Setup own = setup;
    own.speed_m_s = s->speed_m_s;
    const Result<Problem> p = checked_problem(surface, s->frequency_hz, own);
    if (!p) return Result<ArcResponse>::failure(p.message());
    const double sources[] = {s->source_angle_deg};
    const int threads = thread_count(own);
    Energies e = solve_energies(p->surface, p->limit_m, s->frequency_hz, sources, receiver_angles_deg, own,
                                threads, control);
    Energies flat = solve_energies(p->flat, p->limit_m, s->frequency_hz, sources, receiver_angles_deg, own,
                                   threads, control);
    if (stopped(control)) return Result<ArcResponse>::failure(std::string(cancelled_text));
    refer_to_peak(e.front());
    refer_to_peak(flat.front());
    ArcResponse r;
    r.angles_deg.assign(receiver_angles_deg.begin(), receiver_angles_deg.end());
    r.energies = std::move(e.front());
    r.flat_energies = std::move(flat.front());
    r.diffusion = normalised_diffusion(diffusion_coefficient(r.energies),
                                       diffusion_coefficient(r.flat_energies));
    return r;
}

double solve_bytes(std::size_t elements) {
    const auto n = static_cast<double>(elements);
    // Eleven sources' right-hand sides and densities, the 37 receivers'
    // kernels and the plot's 758.
    const double columns = 2 * 11 + 37 + 758;
    return sizeof(Complex) * (n * n + columns * n);
}

int solves_at_once(std::size_t elements, const Setup& setup) {
    const double fit = std::floor(memory_budget_bytes / solve_bytes(elements));
    return std::clamp(static_cast<int>(std::min(fit, 1e6)), 1, thread_count(setup));
}

Result<double> band_table_bytes(const Surface& surface, const Setup& setup) {
    const double top = band_frequencies_hz(third_octave_centres_hz.back()).back();
    const Result<Problem> p = checked_problem(surface, top, setup);
    if (!p) return Result<double>::failure(p.message());
    const std::size_t n = mesh_for(p->surface, p->limit_m, top, setup).elements.size();
    return solve_bytes(n) * std::min(solves_at_once(n, setup), 2 * frequencies_per_band);
}

}  // namespace welkin::bem
