// The lobes picture drawn the old way, line by line: a floor line a hertz,
// every lobe's spoke and tip at every hertz. Kept only as the reference the
// drawing by strips is compared with, pixel for pixel.
#pragma once

#include "lobes/lobes_run.h"

namespace welkin {

class LobesReplay {
public:
    LobesReplay(const LobeInputs& inputs, const LobesRunOptions& options, SteepAngleMemory& memory);

    // The analysis the run draws, or why it draws nothing beyond the edges.
    const Result<LobeAnalysis>& analysis() const { return analysis_; }

    // Draws up to the next pause. During the sweep it also returns after
    // `max_hertz` frequencies, so a caller can serve its interface more often
    // than the run's own ten pauses.
    RunPause advance(Canvas& canvas, std::int64_t max_hertz = INT64_MAX);
    // Draws the rest of the run.
    void finish(Canvas& canvas);
    bool finished() const { return stage_ == Stage::done; }

    // Takes effect after the current pair of orders and the current frequency.
    void request_abort() { abort_requested_ = true; }
    bool aborted() const { return abort_requested_; }

private:
    enum class Stage { start, analysed, markers_drawn, done };

    RunPause sweep(Canvas& canvas, std::int64_t max_hertz);
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
    std::int64_t counter_ = 0;
    bool pause_counted_ = false;
    bool abort_requested_ = false;
    bool signal_tick_drawn_ = false;
};


}  // namespace welkin
