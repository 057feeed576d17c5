// The boundary-element side of the polar response window, without the
// toolkit: which inputs a run is of, its progress band by band, the finished
// results kept per design and sound, and what the window shows when the
// design or the sound on screen is no longer the one a result was computed
// for. The window runs the job elsewhere and hands back what it reports,
// tagged with the run's number, so a late report of a stopped run changes
// nothing.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "response/bem/bem_response.h"
#include "response/response_view.h"
#include "units/result.h"

namespace welkin {

// What a run is computed from, and what its results are kept under.
struct BemInputs {
    Surface surface;
    Sound sound;
    double source_distance_m = 100;
    double receiver_distance_m = 50;

    friend bool operator==(const BemInputs&, const BemInputs&) = default;
};

// One run to do: its number, its inputs and what the sheet shows beside them.
struct BemJob {
    long run = 0;
    BemInputs inputs;
    std::optional<UsableBand> usable;
    std::string design_caption;
};

// The solver's setup for a job: its distances and speed, one thread a core.
bem::Setup bem_setup_of(const BemInputs& inputs);

// What a running job reports, from the thread it runs on.
struct BemReports {
    std::function<void(const ResponseView& plot)> plot_done;
    std::function<void(const BandValue& at_source)> band_done;
};

// Runs the job where it is called: the plot's frequency first, then the
// bands at the source angle and the random-incidence angles together. Fails
// with "Cancelled" soon after `cancel` becomes true.
Result<ResponseView> run_bem_job(const BemJob& job, const std::atomic<bool>& cancel,
                                 const BemReports& reports);

// What the window shows of the boundary-element model.
enum class BemState {
    idle,       // nothing computed for the inputs on screen
    running,    // a run of the inputs on screen; the chart fills in
    finished,   // every band of the inputs on screen
    stale,      // a result of other inputs, greyed, never shown as current
    cancelled,  // the user stopped the run; the bands done so far are shown
    failed,     // the model refused the inputs
};

// The plot's frequency, then every band.
inline constexpr int bem_steps = 1 + static_cast<int>(third_octave_centres_hz.size());
// Finished results kept, the oldest given up first.
inline constexpr std::size_t bem_results_kept = 8;

class BemRunForm {
public:
    // The inputs on screen, or the main window's reason when it refuses its
    // own. A run going whose inputs these are not is stopped: its result
    // would never be shown as current, and the window stops its work when
    // running_run() no longer names it.
    void set_inputs(Result<BemJob> on_screen);
    std::optional<long> running_run() const;
    // A run of the inputs on screen, unless one is going, they are refused
    // or their result is already kept. A design too large for the solver's
    // memory bound is refused here, and the state is failed.
    std::optional<BemJob> start();
    bool can_start() const;
    // Stops the run going; the bands done so far stay on the chart.
    void cancel();

    // Reports of the run numbered `run`; any other number is ignored.
    void plot_done(long run, ResponseView plot);
    void band_done(long run, const BandValue& at_source);
    void finished(long run, const Result<ResponseView>& view);

    BemState state() const;
    // What to draw, null for nothing; greyed unless current().
    const ResponseView* view() const;
    bool current() const;
    // Steps done of bem_steps while running or after a cancel.
    int steps_done() const { return steps_done_; }
    // One line under the inputs saying where things stand.
    std::string status_text() const;
    // Counts every change, for the window to redraw only after one.
    long revision() const { return revision_; }

private:
    const ResponseView* kept_for(const BemInputs& inputs) const;
    bool running() const { return running_.has_value(); }

    std::optional<BemJob> on_screen_;
    std::string refusal_;
    std::optional<BemJob> running_;
    long last_run_ = 0;
    int steps_done_ = 0;
    // The last run's view, complete or partial, and its inputs.
    std::optional<ResponseView> last_view_;
    std::optional<BemInputs> last_inputs_;
    std::optional<BemInputs> cancelled_inputs_;
    int cancelled_steps_ = 0;
    long revision_ = 0;
    std::string failure_;
    std::optional<BemInputs> failed_inputs_;
    std::vector<std::pair<BemInputs, ResponseView>> kept_;
};

}  // namespace welkin
