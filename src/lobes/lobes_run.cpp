#include "lobes/lobes_run.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "lobes/lobes_view.h"
#include "units/angles.h"
#include "units/numtext.h"

namespace welkin {

namespace {

constexpr int sweep_pen = 3;
constexpr int lobe_slice_pen = 2;
constexpr int signal_tick_pen = 6;
constexpr double radius = 100;
constexpr double slice_y = -300;  // the slice row lies in front of the lobe plane
// The top hertz of the sweep outline the lobes in grey.
constexpr double edge_band_hz = 12;
constexpr int steep_rows = 9;
constexpr double steep_angle = 1;
constexpr double steep_angle_change = 0.008;
constexpr int sweep_pauses = 10;
// Each stretch between two pauses is drawn in this many spans.
constexpr std::int64_t spans_per_pause = 4;

// The 180 one-degree segments of a semicircle at x centred on (y0, 0).
void semicircle(Canvas& canvas, double x, double y0, Rgb colour) {
    for (int i = -90; i < 90; ++i) {
        const double a = i * radians_per_degree_rounded;
        const double b = (i + 1) * radians_per_degree_rounded;
        line_3d(canvas, {x, y0 - radius * std::sin(a), radius * std::cos(a)},
                {x, y0 - radius * std::sin(b), radius * std::cos(b)}, colour);
    }
}

bool steep(int order, double phi) {
    return order < 0 ? (-lobe_grazing_angle < phi && phi < -steep_angle)
                     : (steep_angle < phi && phi < lobe_grazing_angle);
}

}  // namespace

LobesRun::LobesRun(const LobeInputs& inputs, const LobesRunOptions& options,
                   SteepAngleMemory& memory)
    : options_(options),
      analysis_(analyse_lobes(inputs, options.angle_deg, options.lobes_mode)),
      memory_(memory) {}

RunPause LobesRun::advance(Canvas& canvas, std::int64_t max_hertz) {
    switch (stage_) {
        case Stage::start:
            clear_lobes_picture(canvas);
            if (!options_.lobes_mode) draw_explorer_legend(canvas, options_.point_size);
            stage_ = analysis_ ? Stage::analysed : Stage::done;
            return RunPause::cleared;
        case Stage::analysed:
            draw_floor_bands(canvas, *analysis_);
            draw_markers(canvas, *analysis_, options_.point_size);
            stage_ = options_.lobes_mode ? Stage::markers_drawn : Stage::done;
            start_sweep();
            canvas.set_pen_width(sweep_pen);
            return RunPause::markers;
        case Stage::markers_drawn: return sweep(canvas, max_hertz);
        case Stage::done: break;
    }
    return RunPause::finished;
}

// The frequency that brings one of the ten pauses is counted before it:
// the first pause comes after `pause_every` hertz, the others a hertz later.
void LobesRun::start_sweep() {
    const LobeAnalysis& a = *analysis_;
    next_hz_ = a.hf_zero_hz;
    pause_every_ =
        static_cast<std::int64_t>(int_floor((a.hf_zero_hz - a.lobe_start_hz) / sweep_pauses)) + 1;
    until_pause_ = pause_every_ - 1;
    span_hz_ = std::max<std::int64_t>(1, (pause_every_ + spans_per_pause - 1) / spans_per_pause);
    sheets_.emplace(a, memory_);
}

void LobesRun::finish(Canvas& canvas) {
    while (advance(canvas) != RunPause::finished) {
    }
}

RunPause LobesRun::sweep(Canvas& canvas, std::int64_t max_hertz) {
    const LobeAnalysis& a = *analysis_;
    for (std::int64_t drawn = 0; next_hz_ >= a.lobe_start_hz;) {
        if (drawn >= max_hertz) return RunPause::sweeping;
        if (until_pause_ == 0) {
            until_pause_ = pause_every_;
            return RunPause::sweeping;
        }
        drawn += draw_next_span(canvas);
        if (abort_requested_) break;
    }
    stage_ = Stage::done;
    return RunPause::finished;
}

// A frequency that shows slices is drawn on its own; the others in spans
// that end at a pause, a slice or the sweep's end. Gives how many hertz.
std::int64_t LobesRun::draw_next_span(Canvas& canvas) {
    const LobeAnalysis& a = *analysis_;
    const double high = next_hz_;
    if (selected_slice(high)) {
        draw_frequency(canvas, high);
    } else {
        double low = high;
        const double lowest = high - static_cast<double>(std::min(span_hz_, until_pause_) - 1);
        while (low - 1 >= std::max(lowest, a.lobe_start_hz) && !selected_slice(low - 1)) low -= 1;
        sheets_->draw_span(canvas, high, low);
        next_hz_ = low;
    }
    const auto hertz = static_cast<std::int64_t>(high - next_hz_) + 1;
    next_hz_ -= 1;
    until_pause_ -= hertz;
    return hertz;
}

void LobesRun::draw_frequency(Canvas& canvas, double f) {
    const LobeAnalysis& a = *analysis_;
    const double x = axis_x(a, f);
    const bool selected = selected_slice(f);
    const double sin_t = std::sin(a.theta);
    const double cos_t = std::cos(a.theta);
    const Point3 tip{x, radius * sin_t, radius * cos_t};
    line_3d(canvas, {x, 0, 0}, tip, lobe_colour::specular);
    dot_3d(canvas, tip, lobe_colour::tip);
    const bool edge = int_floor(f) > int_floor(a.hf_zero_hz - edge_band_hz);
    if (edge || f == a.lobe_start_hz) line_3d(canvas, {x, 0, 0}, tip, lobe_colour::tip);
    if (selected) {
        line_3d(canvas, {x, slice_y, 0}, {x, slice_y - radius * sin_t, radius * cos_t},
                lobe_colour::specular);
    }
    draw_orders(canvas, f, x, selected);
    if (selected) draw_slices(canvas, x);
}

void LobesRun::draw_orders(Canvas& canvas, double f, double x, bool selected) {
    for (int m = 1; m <= analysis_->well_count; ++m) {
        draw_order(canvas, f, x, selected, -m);
        draw_order(canvas, f, x, selected, m);
        if (abort_requested_) return;
    }
}

void LobesRun::draw_order(Canvas& canvas, double f, double x, bool selected, int order) {
    const LobeAnalysis& a = *analysis_;
    const int m = order < 0 ? -order : order;
    const auto slot = static_cast<std::size_t>(m);
    const Rgb colour = order_colour(m);
    const LobeDirection d = lobe_direction(a, f, order);
    const bool on_slice = selected && f != a.plate_freq_hz;
    if (d.state == LobeState::exists) {
        const bool edge = int_floor(f) > int_floor(a.hf_zero_hz - edge_band_hz);
        line_3d(canvas, {x, 0, 0}, {x, d.y, d.z}, edge ? lobe_colour::tip : colour);
        dot_3d(canvas, {x, d.y, d.z}, lobe_colour::tip);
        if (on_slice) line_3d(canvas, {x, slice_y, 0}, {x, slice_y + d.y, d.z}, colour);
    } else if (d.state == LobeState::near_grazing && on_slice) {
        line_3d(canvas, {x, slice_y, 0}, {x, order < 0 ? -200.0 : -400.0, 0}, colour);
    }
    if (m >= steep_lobe_orders) return;
    if (f < a.hf_zero_hz && steep(order, d.phi) &&
        std::abs(d.phi - memory_[slot]) > steep_angle_change) {
        fill_steep_lobe(canvas, x, m, d.phi);
    }
    memory_[slot] = d.phi;
}

void LobesRun::fill_steep_lobe(Canvas& canvas, double x, int m, double phi) {
    const double y = -radius * std::sin(phi);
    const double z = radius * std::cos(phi);
    for (int k = 0; k < steep_rows && z - k >= 0; ++k) {
        line_3d(canvas, {x, 0, 0}, {x, y, z - k}, order_colour(m));
        dot_3d(canvas, {x, y, z - k}, lobe_colour::tip);
    }
}

void LobesRun::draw_slices(Canvas& canvas, double x) {
    canvas.set_pen_width(lobe_slice_pen);
    semicircle(canvas, x, 0, lobe_colour::tip);
    canvas.set_pen_width(sweep_pen);
    semicircle(canvas, x, slice_y, lobe_colour::slice);
    if (signal_tick_drawn_) return;
    const double s = std::sin(analysis_->theta);
    const double c = std::cos(analysis_->theta);
    canvas.set_pen_width(signal_tick_pen);
    line_3d(canvas, {x, slice_y - 90 * s, 90 * c}, {x, slice_y - 110 * s, 110 * c},
            lobe_colour::signal_tick);
    canvas.set_pen_width(sweep_pen);
    signal_tick_drawn_ = true;
}

bool LobesRun::selected_slice(double f) const {
    const LobeAnalysis& a = *analysis_;
    if (options_.slices == SliceChoice::working_range_ends) {
        return f == int_floor(a.usable_high_hz) || f == a.usable_low_hz ||
               (f == a.lobe_start_hz && a.lobe_start_hz > a.usable_low_hz);
    }
    if (a.first_true_multiple == -1) return false;
    for (int k = a.first_true_multiple; k <= a.last_true_multiple; ++k) {
        if (k * a.design_freq_hz == f) return true;
    }
    return false;
}

}  // namespace welkin
