// The event loop's stalls as the probe records them: a loop held up on purpose
// shows as a gap at least as long as the hold, and the log says so.
#include <QFile>
#include <QTest>
#include <chrono>
#include <ctime>
#include <thread>

#include "temp_dir.h"
#include "ui/stall_probe.h"

namespace welkin {

namespace {

double thread_cpu_ms() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

}  // namespace

class StallProbeTest : public QObject {
    Q_OBJECT

private slots:
    void a_blocked_loop_is_recorded_at_least_as_long_as_the_block() {
        const TempDir dir;
        const QString log = QString::fromStdString((dir.path() / "stalls.txt").string());
        {
            StallProbe probe(log, 5);
            QTest::qWait(30);  // the loop turns and the timer ticks
            constexpr int hold_ms = 120;
            std::this_thread::sleep_for(std::chrono::milliseconds(hold_ms));
            QTRY_VERIFY(!probe.record().stalls.empty());
            QVERIFY(probe.record().longest_ms >= hold_ms);
            QVERIFY(probe.record().stalls.back().gap_ms >= hold_ms);
            QVERIFY(QFile::exists(log));  // written at the stall, not only at the end
        }
        QFile file(log);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY2(text.contains(QStringLiteral("stall_ms ")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("longest_ms ")), qPrintable(text));
    }

    // A gap the thread spent working says so; one it spent asleep, neither
    // working nor waiting for a core, does not.
    void a_busy_block_is_told_from_a_wait() {
        const TempDir dir;
        StallProbe probe(QString::fromStdString((dir.path() / "stalls.txt").string()), 5);
        QTest::qWait(30);
        constexpr double work_ms = 80;
        const double from = thread_cpu_ms();
        while (thread_cpu_ms() - from < work_ms) {
        }
        QTRY_VERIFY(!probe.record().stalls.empty());
        const StallRecord::Stall worked = probe.record().stalls.back();
        QVERIFY(worked.busy_ms >= work_ms);
        // Working, waiting for a core and asleep share the gap between them.
        QVERIFY(worked.busy_ms + worked.queued_ms <= worked.gap_ms + 1);

        const std::size_t before = probe.record().stalls.size();
        constexpr int hold_ms = 120;
        std::this_thread::sleep_for(std::chrono::milliseconds(hold_ms));
        QTRY_VERIFY(probe.record().stalls.size() > before);
        const StallRecord::Stall waited = probe.record().stalls.back();
        QVERIFY(waited.gap_ms >= hold_ms);
        QVERIFY(waited.busy_ms + waited.queued_ms < waited.gap_ms - hold_ms / 2.0);
    }

    void no_probe_without_the_variable() {
        qunsetenv("WELKIN_STALL_LOG");
        QObject app;
        QCOMPARE(start_stall_probe_from_environment(app), nullptr);
        qputenv("WELKIN_STALL_LOG", "");
        QCOMPARE(start_stall_probe_from_environment(app), nullptr);
    }
};

}  // namespace welkin

QTEST_MAIN(welkin::StallProbeTest)
#include "stall_probe_test.moc"
