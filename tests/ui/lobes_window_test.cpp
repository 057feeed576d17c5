// The lobes window's wiring: Abort during a long run, a refused angle and a
// resize. (Escape, the focus coming back from another program and the
// explorer's title are the GUI drive's; which controls each mode shows, and the
// window being open while it is up, are the lobes form's test's.)
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <memory>

#include "ui/lobes_window.h"
#include "ui/window_registry.h"
#include "window_fixture.h"

namespace welkin {

namespace {

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

// Pixels of the picture as it is on screen that are neither the cleared
// background nor its edge lines.
int drawn_pixels(LobesWindow& lobes) {
    const QImage shown = child<QWidget>(lobes, Control::lobes_picture)->grab().toImage();
    int drawn = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QColor c = shown.pixelColor(x, y);
            drawn += c != QColor(255, 255, 255) && c != QColor(230, 230, 230);
        }
    }
    return drawn;
}

// Counts the paints a widget receives.
class PaintCount final : public QObject {
public:
    explicit PaintCount(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

}  // namespace

class LobesWindowTest : public QObject {
    Q_OBJECT

private slots:
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

    // A refused angle's message comes over the cleared picture, not over the
    // last run's drawing, which no longer matches the angle in the field.
    void a_refused_angle_clears_the_picture_before_its_message() {
        LiveStarted app;
        int drawn_before = -1;
        int drawn_under_message = -1;
        int paints_before_message = -1;
        std::unique_ptr<PaintCount> picture_paints;
        const DialogWatch watch([&](QWidget& modal) {
            auto* lobes = dynamic_cast<LobesWindow*>(&modal);
            if (lobes != nullptr) {
                if (lobes->form().running()) return true;
                if (!picture_paints) {
                    drawn_before = drawn_pixels(*lobes);
                    picture_paints = std::make_unique<PaintCount>(
                        *child<QWidget>(*lobes, Control::lobes_picture));
                    auto* angle = child<QLineEdit>(*lobes, Control::lobes_angle_field);
                    type_into(angle, QStringLiteral("95"));
                    QTest::keyClick(angle, Qt::Key_Return);
                } else if (drawn_under_message >= 0) {
                    child<QPushButton>(*lobes, Control::lobes_exit_button)->click();
                }
                return true;
            }
            auto* box = qobject_cast<QMessageBox*>(&modal);
            if (box == nullptr || drawn_under_message >= 0) return false;
            // What the screen shows: the paints the picture had before the box
            // came up, and what they drew.
            paints_before_message = picture_paints->paints;
            auto* shown = dynamic_cast<LobesWindow*>(app.host.windows().find(Window::lobes));
            drawn_under_message = drawn_pixels(*shown);
            box->accept();
            return true;
        });
        menu_item(app.window, Control::show_lobes_item)->trigger();
        QVERIFY(drawn_before > 1000);  // the first run drew a picture
        QVERIFY(paints_before_message > 0);
        QCOMPARE(drawn_under_message, 0);
        QVERIFY(watch.unexpected().isEmpty());
    }

    // A new size draws the picture again at that size, rather than showing
    // the old drawing cropped or with a blank margin.
    void a_resized_window_draws_its_picture_again() {
        LiveStarted app;
        with_lobes_window([&] { menu_item(app.window, Control::show_lobes_item)->trigger(); },
                          [&](LobesWindow& lobes) {
                              const long runs = lobes.form().finished_runs();
                              const QSize old_picture = lobes.persistent_image().size();
                              lobes.resize(lobes.width() - 200, lobes.height() - 100);
                              QTRY_VERIFY_WITH_TIMEOUT(
                                  lobes.form().finished_runs() == runs + 1 &&
                                      !lobes.form().running(),
                                  20000);
                              const QSize picture =
                                  child<QWidget>(lobes, Control::lobes_picture)->size();
                              QVERIFY(picture != old_picture);
                              QCOMPARE(lobes.persistent_image().size(), picture);
                          });
    }

    // Either size opens centred on the screen and within it, the three-quarter
    // window too on its first showing, which once went to the corner. This
    // screen draws no frame, so the gaps differ by the frame allowed for.
    void each_size_opens_centred_on_the_screen() {
        const struct {
            const char* name;
            Control item;
        } rows[] = {{"full size", Control::lobes_full_size_item},
                    {"three quarters", Control::lobes_three_quarter_item}};
        for (const auto& row : rows) {
            LiveStarted app;
            const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
            QRect placed;
            with_lobes_window([&] { menu_item(app.window, row.item)->trigger(); },
                              [&](LobesWindow& lobes) { placed = lobes.frameGeometry(); }, false);
            const int left = placed.left() - free.left();
            const int right = free.right() - placed.right();
            const int top = placed.top() - free.top();
            const int bottom = free.bottom() - placed.bottom();
            const QString where = QStringLiteral("%1: gaps left %2, right %3, top %4, bottom %5")
                                      .arg(row.name).arg(left).arg(right).arg(top).arg(bottom);
            QVERIFY2(left >= 0 && right >= 0 && top >= 0 && bottom >= 0, qPrintable(where));
            QVERIFY2(std::abs(left - right) <= 8 && std::abs(top - bottom) <= 32, qPrintable(where));
        }
    }
};

}  // namespace welkin

QTEST_MAIN(welkin::LobesWindowTest)
#include "lobes_window_test.moc"
