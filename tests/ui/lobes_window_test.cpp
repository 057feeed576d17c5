// The lobes window's wiring: what opening and closing it does to the main
// window, Abort during a long run, Escape, and the two modes' controls.
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ui/lobes_window.h"
#include "window_fixture.h"

namespace welkin {

namespace {

QLabel* explore_label(MainWindow& window) {
    return window.centralWidget()->findChild<QLabel*>(control_name(Control::explore_label));
}

bool lobes_menu_enabled(MainWindow& window) {
    return window.findChild<QAction*>(control_name(Control::lobes_menu))->isEnabled();
}

// Opens the lobes window with `open`; once it is up (and, unless told
// otherwise, its first run has ended) runs `inside`, then closes it with
// Exit if `inside` left it open.
void with_lobes_window(const std::function<void()>& open,
                       const std::function<void(LobesWindow&)>& inside, bool wait_for_run = true) {
    bool done = false;
    const DialogWatch watch([&](QWidget& modal) {
        auto* lobes = dynamic_cast<LobesWindow*>(&modal);
        if (lobes == nullptr) return false;
        if (done || (wait_for_run && lobes->form().running())) return true;
        done = true;
        inside(*lobes);
        if (lobes->isVisible()) child<QPushButton>(*lobes, Control::lobes_exit_button)->click();
        return true;
    });
    open();
    QVERIFY(done);
    QVERIFY(watch.unexpected().isEmpty());
}

}  // namespace

class LobesWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opening_disables_the_lobes_menu_and_explore_label() {
        LiveStarted app;
        QVERIFY(lobes_menu_enabled(app.window));
        QVERIFY(explore_label(app.window)->isEnabled());
        with_lobes_window([&] { menu_item(app.window, Control::show_lobes_item)->trigger(); },
                          [&](LobesWindow&) {
                              QVERIFY(!lobes_menu_enabled(app.window));
                              QVERIFY(!explore_label(app.window)->isEnabled());
                          });
        QVERIFY(lobes_menu_enabled(app.window));
        QVERIFY(explore_label(app.window)->isEnabled());
    }

    void abort_stops_a_long_run_and_enables_the_controls() {
        LiveStarted app;
        type_into(field(app.window, Control::well_count_field), QStringLiteral("101"));
        settle();
        QCOMPARE(app.form.design().well_count, 101);
        with_lobes_window(
            [&] { menu_item(app.window, Control::show_lobes_item)->trigger(); },
            [&](LobesWindow& lobes) {
                // Into the sweep, which at N 101 outlasts a few turns of the event loop.
                QTRY_VERIFY(lobes.form().running());
                auto* abort = child<QPushButton>(lobes, Control::lobes_abort_button);
                QVERIFY(abort->isEnabled());
                QVERIFY(!child<QPushButton>(lobes, Control::lobes_redo_button)->isEnabled());
                abort->click();
                QTRY_VERIFY_WITH_TIMEOUT(!lobes.form().running(), 2000);
                QVERIFY(!abort->isEnabled());
                QVERIFY(child<QPushButton>(lobes, Control::lobes_redo_button)->isEnabled());
                QVERIFY(child<QLineEdit>(lobes, Control::lobes_angle_field)->isEnabled());
            },
            false);
    }

    void escape_acts_as_exit() {
        LiveStarted app;
        with_lobes_window([&] { menu_item(app.window, Control::show_lobes_item)->trigger(); },
                          [&](LobesWindow& lobes) {
                              auto* angle = child<QLineEdit>(lobes, Control::lobes_angle_field);
                              QTest::keyClick(angle, Qt::Key_Escape);
                              QVERIFY(!lobes.isVisible());
                          });
        QVERIFY(!app.form.lobes_open());
    }

    void the_modes_show_and_hide_the_lobes_controls() {
        LiveStarted app;
        const Control lobes_only[] = {Control::lobes_show_ends, Control::lobes_show_trues,
                                      Control::lobes_abort_button, Control::lobes_first_lobes,
                                      Control::lobes_revised_seating};
        auto check = [&](LobesWindow& lobes, bool shown) {
            for (const Control name : lobes_only) {
                QWidget* w = child<QWidget>(lobes, name);
                QVERIFY2(w->isVisible() == shown, qPrintable(w->objectName()));
            }
        };
        with_lobes_window([&] { menu_item(app.window, Control::show_lobes_item)->trigger(); },
                          [&](LobesWindow& lobes) { check(lobes, true); });
        with_lobes_window([&] { QTest::mouseClick(explore_label(app.window), Qt::LeftButton); },
                          [&](LobesWindow& lobes) {
                              QVERIFY(!lobes.form().lobes_mode());
                              check(lobes, false);
                              QCOMPARE(lobes.windowTitle(), QStringLiteral(
                                  "Welkin: Usable ranges explorer for Single Panels"));
                          });
        with_lobes_window([&] { menu_item(app.window, Control::show_lobes_item)->trigger(); },
                          [&](LobesWindow& lobes) { check(lobes, true); });
    }
};

}  // namespace welkin

QTEST_MAIN(welkin::LobesWindowTest)
#include "lobes_window_test.moc"
