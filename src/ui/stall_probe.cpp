#include "ui/stall_probe.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <cstdlib>
#include <utility>

namespace welkin {

bool StallRecord::add(double gap_ms, double ended_at_ms) {
    ++ticks;
    if (gap_ms > longest_ms) longest_ms = gap_ms;
    std::size_t bin = 0;
    while (bin < bin_edges_ms.size() && gap_ms >= bin_edges_ms[bin]) ++bin;
    ++gaps_by_size[bin];
    if (gap_ms < threshold_ms) return false;
    stalls.push_back({ended_at_ms, gap_ms});
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
        out += QStringLiteral("stall_ms %1 ended_at_ms %2\n")
                   .arg(s.gap_ms, 0, 'f', 1)
                   .arg(s.ended_at_ms, 0, 'f', 1);
    return out;
}

StallProbe::StallProbe(QString log_path, int tick_ms, QObject* parent)
    : QObject(parent), log_path_(std::move(log_path)) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(tick_ms);
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    clock_.start();
    timer_.start();
}

StallProbe::~StallProbe() {
    write();
}

void StallProbe::tick() {
    const double now_ms = static_cast<double>(clock_.nsecsElapsed()) / 1e6;
    const bool stalled = record_.add(now_ms - last_tick_ms_, now_ms);
    last_tick_ms_ = now_ms;
    if (stalled) write();
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
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, probe, [probe] { probe->write(); });
    return probe;
}

}  // namespace welkin
