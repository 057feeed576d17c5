#include "lobes/lobe_analysis.h"

#include <algorithm>
#include <cmath>

#include "core/design.h"
#include "units/angles.h"
#include "units/length_text.h"
#include "units/numtext.h"
#include "units/sentence.h"

namespace welkin {

namespace {

// An order exists while its sine stays strictly inside this; beyond it, up to
// the near-grazing bound, it still shows flat on the slices.
constexpr double sine_bound = 0.9999;
constexpr double grazing_bound = 1.01;
constexpr double tip_radius = 100;
// x of hf_zero on the frequency axis, f_period being at 0.
constexpr double axis_length = 1000;
// hf_zero at the narrowest well (1 mm) over the lowest design frequency
// (1 Hz): no valid design has more multiples below its cutoff.
constexpr int max_true_multiples = static_cast<int>(half_sound_speed_mm_s);

bool at_least(double x, double lo) {
    return std::isfinite(x) && x >= lo;
}

// Limits every validated design meets. They keep every division away from
// zero and bound every sweep: hf_zero is at most 172000 Hz and f_period at
// most 344000 Hz.
bool computable(const LobeInputs& in) {
    return in.well_count >= min_well_count && in.well_count <= max_well_count &&
           at_least(in.design_freq_hz, 1) && at_least(in.well_width_mm, 1) &&
           at_least(in.period_width_mm, 1) && at_least(in.plate_freq_hz, 0);
}

// Steps down from f_period to the first frequency at which neither
// first-order lobe exists. At an angle the lobes begin near
// f_period / (1 + |sin theta|), which is always above f_period / 3.
double lobe_start(double f_period, double sin_theta) {
    const int top = static_cast<int>(f_period);
    const int bottom = static_cast<int>(int_floor(f_period / 3)) + 1;
    for (int step = top; step >= bottom; --step) {
        const double f = step;
        const double s_minus = -f_period / f - sin_theta;
        const double s_plus = f_period / f - sin_theta;
        const bool minus_exists = -1 < s_minus && s_minus < 1;
        const bool plus_exists = -1 < s_plus && s_plus < 1;
        if (!minus_exists && !plus_exists) return f;
    }
    return f_period;
}

// Where the first-order lobes begin: nowhere in the explorer, which draws none.
double lobe_start_for(const LobeAnalysis& a) {
    if (!a.lobes_mode) return 0;
    if (a.angle_deg == 0) return a.f_period_hz;
    return lobe_start(a.f_period_hz, std::sin(a.theta));
}

Result<LobeAnalysis> refused(std::string_view message) {
    return Result<LobeAnalysis>::failure(std::string(message));
}

void count_true_multiples(LobeAnalysis& a) {
    for (const TrueMultiple& t : true_multiples(a)) {
        if (!t.active) continue;
        if (a.first_true_multiple < 0) a.first_true_multiple = t.k;
        a.last_true_multiple = t.k;
    }
}

}  // namespace

double read_signal_angle(std::string_view angle_text) {
    return text_value(angle_text);
}

Result<LobeAnalysis> analyse_lobes(const LobeInputs& in, double angle_deg, bool lobes_mode) {
    // Written so that a NaN is refused too.
    if (!(angle_deg >= -90 && angle_deg <= 90)) return refused(angle_error_text);
    if (!computable(in)) return refused(lobe_design_error_text);

    LobeAnalysis a{.lobes_mode = lobes_mode,
                   .well_count = in.well_count,
                   .design_freq_hz = in.design_freq_hz,
                   .plate_freq_hz = in.plate_freq_hz,
                   .unit_mode = in.unit_mode};
    const double fd = in.design_freq_hz;

    a.angle_deg = angle_deg;
    a.theta = angle_deg * radians_per_degree_rounded;
    a.hf_zero_hz = int_floor(half_sound_speed_mm_s / in.well_width_mm);
    a.f_period_hz = int_floor(sound_speed_mm_s / in.period_width_mm);
    // Wells wider than 172 m, or a period narrower than two wells, leave no axis.
    if (!(a.hf_zero_hz > a.f_period_hz)) return refused(lobe_design_error_text);
    a.half_design_hz = int_floor(fd / 2);
    a.hf_angle_hz = int_floor(std::sin((90 - angle_deg) * radians_per_degree_rounded) * a.hf_zero_hz);
    a.x_per_hz = axis_length / (a.hf_zero_hz - a.f_period_hz);
    a.x_offset = -a.x_per_hz * a.f_period_hz;
    a.lobe_start_hz = lobe_start_for(a);
    a.usable_low_hz =
        a.f_period_hz / 2 < a.half_design_hz ? a.half_design_hz : int_floor(a.f_period_hz / 2);
    a.lowest_diffusion_hz = a.f_period_hz < fd ? fd : a.f_period_hz;
    a.revised_seat_mm = int_floor(sound_speed_mm_s / a.lowest_diffusion_hz * seating_wavelengths);
    a.usable_high_hz = std::min({a.hf_zero_hz, a.hf_angle_hz, a.plate_freq_hz});
    a.usable = a.usable_high_hz > a.usable_low_hz;
    count_true_multiples(a);
    return a;
}

LobeDirection lobe_direction(const LobeAnalysis& a, double f_hz, int m) {
    const double sin_theta = std::sin(a.theta);
    if (m == 0) {
        // The mirror image of the signal. Taken straight from the angle, as
        // the sine route would divide by zero at +-90 degrees.
        return {LobeState::exists, -a.theta, tip_radius * sin_theta,
                tip_radius * std::cos(a.theta)};
    }
    const double stored_angle = m < 0 ? -lobe_grazing_angle : lobe_grazing_angle;
    // Towards 0 Hz every order but the specular one passes beyond grazing.
    if (!(f_hz > 0)) return {LobeState::absent, stored_angle, 0, 0};

    const double s = m * a.f_period_hz / f_hz - sin_theta;
    if (-sine_bound < s && s < sine_bound) {
        const double phi = std::atan(s / std::sqrt(1 - s * s));
        return {LobeState::exists, phi, -tip_radius * std::sin(phi), tip_radius * std::cos(phi)};
    }
    const bool near_grazing = m < 0 ? s >= -grazing_bound : s <= grazing_bound;
    return {near_grazing ? LobeState::near_grazing : LobeState::absent, stored_angle, 0, 0};
}

LobeTips::LobeTips(const LobeAnalysis& a) : a_(a), sin_theta_(std::sin(a.theta)) {
    const LobeDirection d = lobe_direction(a, 1, 0);
    specular_ = {d.state == LobeState::exists, d.y, d.z};
}

LobeTip LobeTips::at(double f_hz, int m) const {
    if (m == 0) return specular_;
    if (!(f_hz > 0)) {
        const LobeDirection d = lobe_direction(a_, f_hz, m);
        return {d.state == LobeState::exists, d.y, d.z};
    }
    const double s = m * a_.f_period_hz / f_hz - sin_theta_;
    if (!(-sine_bound < s && s < sine_bound)) return {};
    return {true, -tip_radius * s, tip_radius * std::sqrt(1 - s * s)};
}

double LobeTips::angle(double f_hz, int m) const {
    if (m == 0) return -a_.theta;
    const double s = f_hz > 0 ? m * a_.f_period_hz / f_hz - sin_theta_ : 0;
    if (f_hz > 0 && -sine_bound < s && s < sine_bound) return std::atan(s / std::sqrt(1 - s * s));
    return m < 0 ? -lobe_grazing_angle : lobe_grazing_angle;
}

std::vector<TrueMultiple> true_multiples(const LobeAnalysis& a) {
    std::vector<TrueMultiple> out;
    const double fd = a.design_freq_hz;
    if (!(fd > 0)) return out;
    for (int k = 1; k <= max_true_multiples; ++k) {
        const double f = k * fd;
        if (!(f < a.hf_angle_hz)) break;
        const bool active = f >= a.lobe_start_hz && f <= a.usable_high_hz && f >= a.f_period_hz;
        out.push_back({k, f, active});
    }
    return out;
}

namespace {

// The numbers come as number_text writes them, a blank before each.
constexpr std::string_view hf_angle_text = "QRD HF cutoff for signal at {} degrees drops to {} Hz";
constexpr std::string_view seating_text = "Diffusion @{} Hz Revised seating distance{}";
constexpr std::string_view usable_text = "Usable frequency range {} Hz to {} Hz";
constexpr std::string_view usable_none = "There is no usable working range";
constexpr std::string_view plate_text = "Plate frequency {} Hz";
constexpr std::string_view design_text = "Design frequency {} Hz";
constexpr std::string_view hf_zero_text = "QRD HF cutoff for signal at zero degrees {} Hz";
constexpr std::string_view first_lobes_text = "First lobes for signal at {} degrees {} Hz";
constexpr std::string_view f_period_text = "f_period {} Hz";

std::string hz_text(std::string_view sentence, double hz) {
    return fill(sentence, {number_text(hz)});
}

}  // namespace

LobeTexts result_texts(const LobeAnalysis& a) {
    LobeTexts t;
    t.hf_cutoff_at_angle =
        fill(hf_angle_text, {number_text(a.angle_deg), number_text(a.hf_angle_hz)});
    t.revised_seating = fill(seating_text, {number_text(a.lowest_diffusion_hz),
                                            seating_distance_words(a.revised_seat_mm, a.unit_mode)});
    t.usable_range =
        a.usable ? fill(usable_text, {number_text(a.usable_low_hz), number_text(a.usable_high_hz)})
                 : std::string(usable_none);
    t.plate_frequency = hz_text(plate_text, a.plate_freq_hz);
    t.design_frequency = hz_text(design_text, a.design_freq_hz);
    t.hf_cutoff_at_zero = hz_text(hf_zero_text, a.hf_zero_hz);
    if (a.lobes_mode) {
        t.first_lobes =
            fill(first_lobes_text, {number_text(a.angle_deg), number_text(a.lobe_start_hz)});
    }
    t.f_period = hz_text(f_period_text, a.f_period_hz);
    return t;
}

}  // namespace welkin
