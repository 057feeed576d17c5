// What a row of periods of the current panel does with sound arriving at one
// signal angle: the usable frequency range, the HF cutoff for that angle, where
// the grating lobes begin, every lobe direction at every frequency, and the
// true diffusion frequencies. Pure computation on const inputs; the lobes
// window and the usable ranges explorer draw from it.
//
// The scattering model is the grating equation of a periodic surface: lobe
// order m leaves at sin(phi) = m x f_period / f - sin(theta).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "units/result.h"
#include "units/unit_mode.h"

namespace welkin {

inline constexpr std::string_view angle_error_text =
    "Angle of incidence must be between 90 degrees and -90 degrees";

// Only a design that failed validation (say, read from a damaged file) gets this.
inline constexpr std::string_view lobe_design_error_text =
    "The number of wells, the widths or the design frequency are out of range";

// The angle stored for an order that does not exist, with the order's sign.
inline constexpr double lobe_grazing_angle = 1.57079633;

// One run's frequencies (whole hertz), usable range and axis. The derived
// fields are listed in the order they are computed.
struct LobeAnalysis {
    // What the run was computed from.
    bool lobes_mode = true;  // false in the usable ranges explorer
    int well_count = 0;
    double design_freq_hz = 0;
    double plate_freq_hz = 0;
    UnitMode unit_mode = UnitMode::metric;

    double angle_deg = 0;       // the signal angle A, as read
    double theta = 0;           // A in radians
    double hf_zero_hz = 0;      // HF cutoff at normal incidence
    double f_period_hz = 0;     // the frequency whose wavelength is the period width
    double half_design_hz = 0;  // Int(fd / 2), one octave below the design frequency
    double hf_angle_hz = 0;     // HF cutoff for the signal angle
    double x_per_hz = 0;        // frequency axis x(f) = x_offset + x_per_hz x f,
    double x_offset = 0;        // so that f_period is at 0 and hf_zero at 1000
    double lobe_start_hz = 0;   // where first-order lobes begin; 0 in the explorer
    double usable_low_hz = 0;   // one octave below the lowest diffusion frequency
    double lowest_diffusion_hz = 0;
    double revised_seat_mm = 0;  // three wavelengths of the lowest diffusion frequency
    double usable_high_hz = 0;
    bool usable = false;
    int first_true_multiple = -1;  // smallest active k of k x fd, -1 when none
    int last_true_multiple = -1;
};

// What the analysis reads of the design and its recompute's results.
struct LobeInputs {
    int well_count = 0;
    double design_freq_hz = 0;
    double well_width_mm = 0;
    double period_width_mm = 0;  // N x (fin width + well width)
    double plate_freq_hz = 0;    // N x design frequency
    UnitMode unit_mode = UnitMode::metric;

    friend bool operator==(const LobeInputs&, const LobeInputs&) = default;
};

// The signal angle in degrees typed in the angle field: its text value, so
// a text that is not a number reads as 0.
double read_signal_angle(std::string_view angle_text);

// The analysis for one signal angle. Refuses an angle outside -90..90 with
// angle_error_text, and inputs no validated design has with
// lobe_design_error_text. Changes nothing: the caller stores the result's
// lowest_diffusion_hz in the shared results, as a run of the lobes window must.
Result<LobeAnalysis> analyse_lobes(const LobeInputs& in, double angle_deg, bool lobes_mode);

enum class LobeState { exists, near_grazing, absent };

struct LobeDirection {
    LobeState state = LobeState::absent;
    double phi = 0;  // radians; +-lobe_grazing_angle when the order does not exist
    double y = 0;    // the lobe's tip on the semicircle of radius 100,
    double z = 0;    // only for an existing order
};

// Order m (-N..N) at frequency f. Order 0, the specular reflection, always
// exists. Near-grazing orders are drawn flat on the slices only.
LobeDirection lobe_direction(const LobeAnalysis& a, double f_hz, int m);

struct LobeTip {
    bool exists = false;
    double y = 0;  // as lobe_direction's, without working out the angle
    double z = 0;
};

// Where order m's tip lies at f, for a sweep that asks it of every order at
// every hertz: the existence rule of lobe_direction, without the angle.
class LobeTips {
public:
    explicit LobeTips(const LobeAnalysis& a);
    LobeTip at(double f_hz, int m) const;
    // lobe_direction's angle alone, without the tip's sine and cosine.
    double angle(double f_hz, int m) const;

private:
    const LobeAnalysis& a_;
    double sin_theta_;
    LobeTip specular_;  // order 0's, the same at every frequency
};

struct TrueMultiple {
    int k = 0;
    double freq_hz = 0;  // k x fd
    bool active = false;
};

// k = 1, 2, ... while k x fd is below the HF cutoff for the angle.
std::vector<TrueMultiple> true_multiples(const LobeAnalysis& a);

// The result labels' texts, in the order the window lists them.
struct LobeTexts {
    std::string hf_cutoff_at_angle;
    std::string revised_seating;  // lowest diffusion frequency and revised seating distance
    std::string usable_range;
    std::string plate_frequency;
    std::string design_frequency;
    std::string hf_cutoff_at_zero;
    std::string first_lobes;  // empty in the explorer
    std::string f_period;
};

LobeTexts result_texts(const LobeAnalysis& a);

}  // namespace welkin
