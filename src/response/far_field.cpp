#include "response/far_field.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "units/angles.h"

namespace welkin {

namespace {

// Below this |sin(x)| the series over periods takes its limit.
constexpr double series_pole = 1e-9;

double sinc(double x) {
    return std::abs(x) < 1e-8 ? 1 - x * x / 6 : std::sin(x) / x;
}

// The integral of exp(j u x) over [0, width].
std::complex<double> flat_strip(double u, double width) {
    const double half = u * width / 2;
    return width * sinc(half) * std::polar(1.0, half);
}

// sum over p = 0 .. P-1 of exp(j u period p), in closed form.
std::complex<double> period_series(double u, double period, int periods) {
    const double half = u * period / 2;
    const double s = std::sin(half);
    const double ratio = std::abs(s) < series_pole
                             ? periods * std::cos(periods * half) / std::cos(half)
                             : std::sin(periods * half) / s;
    return ratio * std::polar(1.0, half * (periods - 1));
}

// Whether the wells share one width and stand on one pitch, each within a
// nanometre of its place; the pitch when they do.
std::optional<double> common_pitch(const std::vector<Well>& wells) {
    if (wells.size() < 2) return std::nullopt;
    const double first = wells.front().centre_mm;
    const double pitch = (wells.back().centre_mm - first) / static_cast<double>(wells.size() - 1);
    constexpr double tolerance_mm = 1e-9;
    for (std::size_t i = 0; i < wells.size(); ++i) {
        const double place = first + pitch * static_cast<double>(i);
        if (wells[i].width_mm != wells.front().width_mm ||
            !(std::abs(wells[i].centre_mm - place) <= tolerance_mm)) {
            return std::nullopt;
        }
    }
    return pitch;
}

}  // namespace

Result<Sound> checked_sound(Sound sound) {
    const bool ok = std::isfinite(sound.frequency_hz) && sound.frequency_hz > 0 &&
                    std::isfinite(sound.speed_m_s) && sound.speed_m_s > 0 &&
                    sound.source_angle_deg >= -90 && sound.source_angle_deg <= 90;
    if (!ok) return Result<Sound>::failure(std::string(sound_error_text));
    return sound;
}

FarField::FarField(const Surface& surface, const Sound& sound)
    : surface_(surface),
      k_(2 * std::numbers::pi * sound.frequency_hz / (sound.speed_m_s * mm_per_metre)),
      sin_source_(std::sin(sound.source_angle_deg * radians_per_degree)),
      cos_source_(std::cos(sound.source_angle_deg * radians_per_degree)) {
    well_terms_.reserve(surface.wells.size());
    for (const Well& w : surface.wells) {
        well_terms_.push_back(w.width_mm * (std::polar(1.0, -2 * k_ * w.depth_mm) - 1.0));
    }
    if (const std::optional<double> pitch = common_pitch(surface.wells)) {
        on_pitch_ = true;
        pitch_mm_ = *pitch;
    }
}

std::complex<double> FarField::wells_sum(double u) const {
    const std::vector<Well>& wells = surface_.wells;
    std::complex<double> sum = 0;
    if (on_pitch_) {
        const std::complex<double> step = std::polar(1.0, u * pitch_mm_);
        std::complex<double> phase = std::polar(1.0, u * wells.front().centre_mm);
        for (const std::complex<double>& term : well_terms_) {
            sum += term * phase;
            phase *= step;
        }
        return sum * sinc(u * wells.front().width_mm / 2);
    }
    for (std::size_t i = 0; i < wells.size(); ++i) {
        sum += well_terms_[i] * sinc(u * wells[i].width_mm / 2) *
               std::polar(1.0, u * wells[i].centre_mm);
    }
    return sum;
}

double FarField::pressure(double receiver_deg) const {
    const double theta = receiver_deg * radians_per_degree;
    const double u = k_ * (std::sin(theta) + sin_source_);
    const double obliquity = (std::cos(theta) + cos_source_) / 2;

    const double footprint = surface_.period_mm * surface_.periods;
    const std::complex<double> periods = period_series(u, surface_.period_mm, surface_.periods);
    return std::abs(obliquity * (flat_strip(u, footprint) + periods * wells_sum(u)));
}

std::vector<double> iso_arc_deg() {
    return fine_arc_deg(36);
}

std::vector<double> fine_arc_deg(int intervals) {
    std::vector<double> out;
    const int n = std::max(intervals, 1);
    for (int i = 0; i <= n; ++i) out.push_back(-90 + 180.0 * i / n);
    return out;
}

std::vector<double> energies(const Surface& surface, const Sound& sound,
                             std::span<const double> angles_deg) {
    const FarField field(surface, sound);
    std::vector<double> e;
    e.reserve(angles_deg.size());
    for (double a : angles_deg) {
        const double p = field.pressure(a);
        e.push_back(p * p);
    }
    return e;
}

std::vector<double> relative_energies(const Surface& surface, const Sound& sound,
                                      std::span<const double> angles_deg) {
    std::vector<double> e = energies(surface, sound, angles_deg);
    const double peak = e.empty() ? 0 : *std::max_element(e.begin(), e.end());
    if (peak > 0) {
        for (double& x : e) x /= peak;
    }
    return e;
}

double level_db(double relative_energy) {
    if (!(relative_energy > 0)) return level_floor_db;
    return std::max(10 * std::log10(relative_energy), level_floor_db);
}

std::vector<double> levels_db(std::span<const double> relative_energies) {
    std::vector<double> out;
    out.reserve(relative_energies.size());
    for (double e : relative_energies) out.push_back(level_db(e));
    return out;
}

}  // namespace welkin
