// Windows kept within a screen smaller than they would like: the rectangle a
// window is moved and shrunk to, the main window's place, and the comparison
// and the polar response opened on the offscreen platform's small screen.
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "temp_dir.h"
#include "ui/companion_windows.h"
#include "ui/dialog_placement.h"
#include "ui/main_window_layout.h"
#include "window_fixture.h"

namespace welkin {

class ScreenFitTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        home = std::make_unique<TempDir>();
        qputenv("WELKIN_HOME", QByteArray::fromStdString(home->path().string()));
    }
    void cleanup() {
        qunsetenv("WELKIN_HOME");
        home.reset();
    }

    // Worked by hand: a 1024 x 768 screen, or one whose top 30 pixels a panel takes.
    void a_window_is_moved_and_shrunk_within_the_free_screen() {
        const QRect small(0, 0, 1024, 768);
        const QRect under_panel(0, 30, 1280, 994);
        const struct {
            const char* name;
            QRect wanted;
            QRect free;
            QRect expected;
        } rows[] = {
            {"fits where it is", {100, 100, 400, 300}, small, {100, 100, 400, 300}},
            {"off the right edge", {800, 100, 400, 300}, small, {624, 100, 400, 300}},
            {"off the bottom edge", {100, 600, 400, 300}, small, {100, 468, 400, 300}},
            {"under the panel", {10, 0, 400, 300}, under_panel, {10, 30, 400, 300}},
            {"left of the screen", {-62, 42, 600, 300}, small, {0, 42, 600, 300}},
            {"larger than the screen", {2, 40, 1248, 1012}, small, {0, 0, 1024, 768}},
            {"too tall below the panel", {0, 0, 800, 1100}, under_panel, {0, 30, 800, 994}},
            {"on a second screen", {1300, 100, 400, 300}, {1280, 0, 1024, 768},
             {1300, 100, 400, 300}},
        };
        for (const auto& row : rows) {
            QVERIFY2(within(row.wanted, row.free) == row.expected, row.name);
        }
    }

    // Centred on a screen with room to spare; against the left and top edges
    // of one too small, never beyond them where the menus would be lost.
    void the_main_window_keeps_its_corner_on_the_screen() {
        const struct {
            const char* name;
            QRect free;
        } rows[] = {
            {"large screen", {0, 0, 1920, 1200}},
            {"small screen", {0, 0, 1024, 768}},
            {"small second screen", {1920, 0, 1024, 768}},
            {"narrow screen under a panel", {0, 30, 1000, 1170}},
        };
        const int height = 800;
        for (const auto& row : rows) {
            const QPoint at = layout::window_position(row.free, height);
            const int left_gap = at.x() - row.free.left();
            const int right_gap = row.free.right() - (at.x() + layout::window_width - 1);
            QVERIFY2(left_gap >= 0 && at.y() >= row.free.top(), row.name);
            if (right_gap >= 0) {
                QVERIFY2(std::abs(left_gap - right_gap) <= 1, row.name);
            } else {
                QVERIFY2(left_gap == 0, row.name);
            }
        }
    }

    // The offscreen platform's screen is smaller than the comparison's own size.
    void the_comparison_opens_within_a_small_screen() {
        Program p;
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        menu_item(p.window, Control::compare_item)->trigger();
        settle();
        const CompareWindow& compare = p.companions->compare();
        QVERIFY(compare.isVisible());
        QVERIFY2(compare.height() < free.height(),
                 qPrintable(QStringLiteral("%1 px tall on a screen of %2")
                                .arg(compare.height())
                                .arg(free.height())));
    }

    // A laptop's 1024 pixels, the window manager's frame included, hold the
    // polar response window with every command in reach.
    void the_polar_response_fits_a_narrow_screen() {
        Program p;
        menu_item(p.window, Control::response_item)->trigger();
        settle();
        const ResponseWindow& response = p.companions->response();
        QVERIFY(response.isVisible());
        const int narrowest = response.minimumSizeHint().width();
        QVERIFY2(narrowest + 8 <= 1024, qPrintable(QStringLiteral("at least %1 px wide").arg(narrowest)));
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(response.height() < free.height(),
                 qPrintable(QStringLiteral("%1 px tall on a screen of %2")
                                .arg(response.height())
                                .arg(free.height())));
    }

private:
    std::unique_ptr<TempDir> home;
};

}  // namespace welkin

QTEST_MAIN(welkin::ScreenFitTest)
#include "screen_fit_test.moc"
