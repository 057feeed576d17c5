#include "ui/bem_worker.h"

#include <QMetaObject>

#include <sys/resource.h>
#include <unistd.h>

namespace welkin {

namespace {

// The solver's threads inherit this, so the interface thread comes first
// whenever both want a core.
void yield_to_the_interface() {
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
}

}  // namespace

BemWorker::BemWorker(QObject& receiver, BemHandlers handlers)
    : receiver_(receiver), handlers_(std::move(handlers)) {}

BemWorker::~BemWorker() {
    for (Run& r : runs_) r.cancel->store(true);
    for (Run& r : runs_) r.thread.join();
}

void BemWorker::start(const BemJob& job) {
    stop();
    join_ended();
    Run run{std::make_shared<std::atomic<bool>>(false), std::make_shared<std::atomic<bool>>(false),
            {}};
    QObject* receiver = &receiver_;
    const BemHandlers& h = handlers_;
    // Each report is a copy posted to the receiver, run there after the
    // window's events already waiting.
    auto post = [receiver](auto call) {
        QMetaObject::invokeMethod(receiver, std::move(call), Qt::QueuedConnection);
    };
    run.thread = std::thread([job, cancel = run.cancel, ended = run.ended, post, &h] {
        yield_to_the_interface();
        const long id = job.run;
        BemReports reports{
            [&](const ResponseView& plot) { post([&h, id, plot] { h.plot_done(id, plot); }); },
            [&](const BandValue& band) { post([&h, id, band] { h.band_done(id, band); }); }};
        const Result<ResponseView> view = run_bem_job(job, *cancel, reports);
        post([&h, id, view] { h.finished(id, view); });
        ended->store(true);
    });
    runs_.push_back(std::move(run));
}

void BemWorker::stop() {
    for (Run& r : runs_) r.cancel->store(true);
}

int BemWorker::threads_alive() const {
    int alive = 0;
    for (const Run& r : runs_) alive += r.ended->load() ? 0 : 1;
    return alive;
}

void BemWorker::join_ended() {
    std::erase_if(runs_, [](Run& r) {
        if (!r.ended->load()) return false;
        r.thread.join();
        return true;
    });
}

}  // namespace welkin
