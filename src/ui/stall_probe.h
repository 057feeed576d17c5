// How long the event loop went without turning: a timer ticks every few
// milliseconds on the GUI thread, and a late tick is a stall the user felt (a
// click or key not answered, a frame not drawn). Off unless WELKIN_STALL_LOG
// names a file, which gets (kept current every second) the longest gap, the
// gaps by size and every gap over the threshold (50 ms, or WELKIN_STALL_MS)
// with when it ended, how much of it the thread worked and how much it waited
// for a core.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <vector>

namespace welkin {

// The gaps between ticks, as a plain value.
struct StallRecord {
    struct Stall {
        double ended_at_ms;
        double gap_ms;
        // The GUI thread's own processor time in the gap: near the gap, it was
        // working; near zero, it waited (for a lock, or for a core).
        double busy_ms;
        // How long it stood ready to run while other threads had the cores.
        double queued_ms;
    };
    // Upper edges of the distribution's bins, in ms; a last bin takes the rest.
    static constexpr std::array<double, 6> bin_edges_ms{10, 20, 50, 100, 200, 500};

    double threshold_ms = 50;
    double longest_ms = 0;
    long ticks = 0;
    std::array<long, bin_edges_ms.size() + 1> gaps_by_size{};
    std::vector<Stall> stalls;

    // Returns whether the gap was a stall.
    bool add(double gap_ms, double ended_at_ms, double busy_ms = 0, double queued_ms = 0);
    QString text() const;
};

class StallProbe : public QObject {
public:
    // Writes to `log_path` at each stall, every second and when destroyed.
    explicit StallProbe(QString log_path, int tick_ms = 5, QObject* parent = nullptr);
    ~StallProbe() override;
    const StallRecord& record() const { return record_; }
    void set_threshold_ms(double ms) { record_.threshold_ms = ms; }
    bool write() const;

private:
    void tick();

    QString log_path_;
    QTimer timer_;
    QElapsedTimer clock_;
    double last_tick_ms_ = 0;
    double last_busy_ms_ = 0;
    double last_queued_ms_ = 0;
    double last_write_ms_ = 0;
    StallRecord record_;
};

// The probe WELKIN_STALL_LOG asks for, owned by `app` and written as it quits;
// none when the variable is unset or empty.
StallProbe* start_stall_probe_from_environment(QObject& app);

}  // namespace welkin
