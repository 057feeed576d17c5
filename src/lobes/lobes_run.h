// One run of the lobes picture as a resumable object: it draws onto a
// Canvas in slices and pauses where the interface must be served, so a
// window can drive it from its event loop (with "Abort" working) and the
// batch program can run it straight through.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "canvas/canvas.h"
#include "lobes/lobe_analysis.h"
#include "lobes/lobe_sheets.h"
#include "units/result.h"

namespace welkin {

enum class SliceChoice { working_range_ends, true_diffusion };

struct LobesRunOptions {
    bool lobes_mode = true;  // false: the usable ranges explorer
    double angle_deg = 0;
    SliceChoice slices = SliceChoice::working_range_ends;
    double point_size = 10;  // of the picture's texts
};

// Where advance() returned.
enum class RunPause {
    cleared,   // the picture is cleared (and the legend drawn); the analysis is ready
    markers,   // the bands and markers are drawn
    sweeping,  // part of the lobe sweep is drawn
    finished,
};

class LobesRun {
public:
    LobesRun(const LobeInputs& inputs, const LobesRunOptions& options, SteepAngleMemory& memory);

    // The analysis the run draws, or why it draws nothing beyond the edges.
    const Result<LobeAnalysis>& analysis() const { return analysis_; }

    // Draws up to the next pause. During the sweep it also returns once it
    // has drawn `max_hertz` frequencies (at least one span of them), so a
    // caller can serve its interface more often than the run's own ten pauses.
    RunPause advance(Canvas& canvas, std::int64_t max_hertz = INT64_MAX);
    // Draws the rest of the run.
    void finish(Canvas& canvas);
    bool finished() const { return stage_ == Stage::done; }

    // Takes effect after the current pair of orders and the current frequency.
    void request_abort() { abort_requested_ = true; }
    bool aborted() const { return abort_requested_; }

private:
    enum class Stage { start, analysed, markers_drawn, done };

    void start_sweep();
    RunPause sweep(Canvas& canvas, std::int64_t max_hertz);
    std::int64_t draw_next_span(Canvas& canvas);
    void draw_frequency(Canvas& canvas, double f);
    void draw_orders(Canvas& canvas, double f, double x, bool selected);
    void draw_order(Canvas& canvas, double f, double x, bool selected, int order);
    void fill_steep_lobe(Canvas& canvas, double x, int m, double phi);
    void draw_slices(Canvas& canvas, double x);
    bool selected_slice(double f) const;

    LobesRunOptions options_;
    Result<LobeAnalysis> analysis_;
    SteepAngleMemory& memory_;
    Stage stage_ = Stage::start;
    double next_hz_ = 0;  // the sweep's next frequency
    // The sweep pauses every `pause_every_` hertz and draws spans of up to
    // `span_hz_` between.
    std::int64_t pause_every_ = 1;
    std::int64_t until_pause_ = 0;
    std::int64_t span_hz_ = 1;
    std::optional<LobeSheets> sheets_;
    bool abort_requested_ = false;
    bool signal_tick_drawn_ = false;
};

}  // namespace welkin
