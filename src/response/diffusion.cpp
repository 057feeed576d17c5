#include "response/diffusion.h"

#include <cmath>

namespace welkin {

namespace {

struct Checked {
    Surface surface;
    Surface flat;
};

Result<Checked> checked(const Surface& surface) {
    const Result<Surface> s = checked_surface(surface);
    if (!s) return Result<Checked>::failure(s.message());
    return Checked{*s, flat_of(*s)};
}

Diffusion diffusion_of(std::span<const double> energies, std::span<const double> flat) {
    return normalised_diffusion(diffusion_coefficient(energies), diffusion_coefficient(flat));
}

void add_into(std::vector<double>& sum, const std::vector<double>& e) {
    for (std::size_t i = 0; i < sum.size(); ++i) sum[i] += e[i];
}

BandValue band_value(const Checked& c, double centre_hz, double source_angle_deg, double speed_m_s,
                     std::span<const double> arc) {
    std::vector<double> sum(arc.size(), 0.0);
    std::vector<double> flat_sum(arc.size(), 0.0);
    for (double f : band_frequencies_hz(centre_hz)) {
        const Sound sound{f, source_angle_deg, speed_m_s};
        add_into(sum, relative_energies(c.surface, sound, arc));
        add_into(flat_sum, relative_energies(c.flat, sound, arc));
    }
    // The mean's 1/7 cancels out of the coefficient.
    return {centre_hz, diffusion_of(sum, flat_sum)};
}

}  // namespace

std::array<double, frequencies_per_band> band_frequencies_hz(double centre_hz) {
    std::array<double, frequencies_per_band> out{};
    const int half = frequencies_per_band / 2;
    for (int i = -half; i <= half; ++i) {
        // An eighteenth of an octave apart, so the outer two sit a sixth of an
        // octave from the centre, at the band's edges.
        const double octaves = static_cast<double>(i) / (3 * 2 * half);
        out[static_cast<std::size_t>(i + half)] = centre_hz * std::exp2(octaves);
    }
    return out;
}

double diffusion_coefficient(std::span<const double> energies) {
    double sum = 0;
    double sum_squares = 0;
    for (double e : energies) {
        sum += e;
        sum_squares += e * e;
    }
    const double n = static_cast<double>(energies.size());
    if (n < 2 || !(sum_squares > 0)) return 0;
    return (sum * sum - sum_squares) / ((n - 1) * sum_squares);
}

Diffusion normalised_diffusion(double d, double d_flat) {
    // A flat surface never spreads sound evenly over the whole arc, so
    // d_flat < 1; the guard only keeps a degenerate input finite.
    const double d_n = d_flat < 1 ? (d - d_flat) / (1 - d_flat) : 0;
    return {d, d_flat, d_n};
}

Result<ArcResponse> iso_response(const Surface& surface, const Sound& sound) {
    const Result<Checked> c = checked(surface);
    if (!c) return Result<ArcResponse>::failure(c.message());
    const Result<Sound> s = checked_sound(sound);
    if (!s) return Result<ArcResponse>::failure(s.message());

    ArcResponse r;
    r.angles_deg = iso_arc_deg();
    r.energies = relative_energies(c->surface, *s, r.angles_deg);
    r.flat_energies = relative_energies(c->flat, *s, r.angles_deg);
    r.diffusion = diffusion_of(r.energies, r.flat_energies);
    return r;
}

Result<std::vector<BandValue>> band_table(const Surface& surface, double source_angle_deg,
                                          double speed_m_s) {
    using Out = Result<std::vector<BandValue>>;
    const Result<Checked> c = checked(surface);
    if (!c) return Out::failure(c.message());
    const Result<Sound> s = checked_sound({1000, source_angle_deg, speed_m_s});
    if (!s) return Out::failure(s.message());

    const std::vector<double> arc = iso_arc_deg();
    std::vector<BandValue> out;
    for (double centre : third_octave_centres_hz) {
        out.push_back(band_value(*c, centre, source_angle_deg, speed_m_s, arc));
    }
    return out;
}

}  // namespace welkin
