#include "ui/stall_probe.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <utility>

namespace welkin {

namespace {

// The processor time this thread has used, in ms.
double thread_busy_ms() {
    timespec t{};
    if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t) != 0) return 0;
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The time this thread has spent ready to run but waiting for a core, in ms
// (Linux's scheduler statistics); 0 where the system does not say.
double thread_queued_ms() {
    std::FILE* f = std::fopen("/proc/thread-self/schedstat", "r");
    if (f == nullptr) return 0;
    unsigned long long on_cpu_ns = 0;
    unsigned long long waiting_ns = 0;
    const int read = std::fscanf(f, "%llu %llu", &on_cpu_ns, &waiting_ns);
    std::fclose(f);
    return read == 2 ? static_cast<double>(waiting_ns) / 1e6 : 0;
}

}  // namespace

bool StallRecord::add(double gap_ms, double ended_at_ms, double busy_ms, double queued_ms) {
    ++ticks;
    if (gap_ms > longest_ms) longest_ms = gap_ms;
    std::size_t bin = 0;
    while (bin < bin_edges_ms.size() && gap_ms >= bin_edges_ms[bin]) ++bin;
    ++gaps_by_size[bin];
    if (gap_ms < threshold_ms) return false;
    stalls.push_back({ended_at_ms, gap_ms, busy_ms, queued_ms});
    return true;
}

QString StallRecord::text() const {
    QString out = QStringLiteral("ticks %1\nlongest_ms %2\n").arg(ticks).arg(longest_ms, 0, 'f', 1);
    double lower = 0;
    for (std::size_t bin = 0; bin < gaps_by_size.size(); ++bin) {
        const QString upper = bin < bin_edges_ms.size()
                                  ? QString::number(bin_edges_ms[bin])
                                  : QStringLiteral("inf");
        out += QStringLiteral("gaps_ms %1-%2 %3\n").arg(lower).arg(upper).arg(gaps_by_size[bin]);
        if (bin < bin_edges_ms.size()) lower = bin_edges_ms[bin];
    }
    for (const Stall& s : stalls)
        out += QStringLiteral("stall_ms %1 ended_at_ms %2 busy_ms %3 queued_ms %4\n")
                   .arg(s.gap_ms, 0, 'f', 1)
                   .arg(s.ended_at_ms, 0, 'f', 1)
                   .arg(s.busy_ms, 0, 'f', 1)
                   .arg(s.queued_ms, 0, 'f', 1);
    return out;
}

StallProbe::StallProbe(QString log_path, int tick_ms, QObject* parent)
    : QObject(parent), log_path_(std::move(log_path)) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(tick_ms);
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    clock_.start();
    last_busy_ms_ = thread_busy_ms();
    last_queued_ms_ = thread_queued_ms();
    timer_.start();
}

StallProbe::~StallProbe() {
    write();
}

void StallProbe::tick() {
    const double now_ms = static_cast<double>(clock_.nsecsElapsed()) / 1e6;
    const double busy_ms = thread_busy_ms();
    const double queued_ms = thread_queued_ms();
    const bool stalled = record_.add(now_ms - last_tick_ms_, now_ms, busy_ms - last_busy_ms_,
                                     queued_ms - last_queued_ms_);
    last_tick_ms_ = now_ms;
    last_busy_ms_ = busy_ms;
    last_queued_ms_ = queued_ms;
    // Kept current, so a program stopped by a signal leaves its figures.
    if (stalled || now_ms - last_write_ms_ >= 1000) {
        write();
        last_write_ms_ = now_ms;
    }
}

bool StallProbe::write() const {
    QSaveFile file(log_path_);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(record_.text().toUtf8());
    return file.commit();
}

StallProbe* start_stall_probe_from_environment(QObject& app) {
    const char* path = std::getenv("WELKIN_STALL_LOG");
    if (path == nullptr || *path == '\0') return nullptr;
    auto* probe = new StallProbe(QString::fromLocal8Bit(path), 5, &app);
    // A smaller threshold, to see every gap longer than a frame, say.
    if (const char* ms = std::getenv("WELKIN_STALL_MS")) {
        bool ok = false;
        const double threshold = QString::fromLocal8Bit(ms).toDouble(&ok);
        if (ok && threshold > 0) probe->set_threshold_ms(threshold);
    }
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, probe, [probe] { probe->write(); });
    return probe;
}

}  // namespace welkin
