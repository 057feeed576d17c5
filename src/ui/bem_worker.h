// Runs boundary-element jobs off the interface thread, one at a time, and
// hands their reports to the window on its own thread. Stopping a run only
// raises its flag, so the window never waits; a stopped run winds down by
// itself (between rows of a matrix, between bands) and its late reports are
// dropped by the form, which knows the run's number. Destroying the worker
// stops every run and waits for it, so no report outlives the window.
#pragma once

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "forms/bem_run_form.h"

namespace welkin {

struct BemHandlers {
    std::function<void(long run, const ResponseView& plot)> plot_done;
    std::function<void(long run, const BandValue& at_source)> band_done;
    std::function<void(long run, const Result<ResponseView>& view)> finished;
};

class BemWorker {
public:
    // Reports are delivered as queued calls on `receiver`'s thread.
    BemWorker(QObject& receiver, BemHandlers handlers);
    ~BemWorker();
    BemWorker(const BemWorker&) = delete;
    BemWorker& operator=(const BemWorker&) = delete;

    void start(const BemJob& job);
    // Raises the flag of the run going, if any.
    void stop();
    // Runs whose threads have not yet ended, stopped ones included.
    int threads_alive() const;

private:
    struct Run {
        std::shared_ptr<std::atomic<bool>> cancel;
        std::shared_ptr<std::atomic<bool>> ended;
        std::thread thread;
    };
    void join_ended();

    QObject& receiver_;
    BemHandlers handlers_;
    std::vector<Run> runs_;
};

}  // namespace welkin
