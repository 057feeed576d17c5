// The polar response window's boundary-element model used as a user would:
// Calculate, the chart filling in band by band, Cancel, a change of design
// greying the result, and closing the window or the program during a run.
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "ui/companion_windows.h"
#include "window_fixture.h"

namespace welkin {

namespace {

// Long enough for a few bands of the default design under the sanitizers.
constexpr int run_wait_ms = 120000;

ResponseWindow& response(Program& p) {
    return p.companions->response();
}

void open_response(Program& p) {
    menu_item(p.window, Control::response_item)->trigger();
    settle();
}

QPushButton* button(Program& p, Control name) {
    return child<QPushButton>(response(p), name);
}

// Boundary elements chosen and Calculate pressed.
void calculate(Program& p) {
    child<QComboBox>(response(p), Control::response_model)->setCurrentIndex(1);
    settle();
    QTest::mouseClick(button(p, Control::response_calculate_button), Qt::LeftButton);
}

const BemRunForm& run(Program& p) {
    return response(p).form().bem();
}

// Pixels with any colour in them; a greyed sheet has none.
int coloured_pixels(const QImage& image) {
    int coloured = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            const QRgb px = image.pixel(x, y);
            if (qRed(px) != qGreen(px) || qGreen(px) != qBlue(px)) ++coloured;
        }
    }
    return coloured;
}

}  // namespace

class ResponseBemTest : public QObject {
    Q_OBJECT

private slots:
    void the_chart_fills_in_and_cancel_keeps_what_was_done() {
        Program p;
        open_response(p);
        calculate(p);
        QVERIFY(!button(p, Control::response_calculate_button)->isEnabled());
        QVERIFY(button(p, Control::response_cancel_button)->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(run(p).steps_done() >= 3, run_wait_ms);
        QVERIFY(child<QProgressBar>(response(p), Control::response_progress)->value() >= 3);
        QCOMPARE(response(p).form().shown()->model, ResponseModel::boundary_elements);

        QTest::mouseClick(button(p, Control::response_cancel_button), Qt::LeftButton);
        settle();
        QCOMPARE(run(p).state(), BemState::cancelled);
        const std::size_t bands = response(p).form().shown()->bands.size();
        QVERIFY(bands >= 2 && bands < third_octave_centres_hz.size());
        QVERIFY(button(p, Control::response_calculate_button)->isEnabled());
        QVERIFY(!button(p, Control::response_cancel_button)->isEnabled());
        QVERIFY2(coloured_pixels(response(p).image()) > 100, "the bands done are current");
        // Reports still on their way from the stopped run add nothing.
        QTest::qWait(200);
        QCOMPARE(response(p).form().shown()->bands.size(), bands);
    }

    void a_changed_design_greys_the_result_and_a_new_run_starts() {
        Program p;
        open_response(p);
        calculate(p);
        QTRY_VERIFY_WITH_TIMEOUT(run(p).steps_done() >= 2, run_wait_ms);
        type_into(field(p.window, Control::well_count_field), QStringLiteral("11"));
        settle();
        QCOMPARE(run(p).state(), BemState::stale);
        QVERIFY2(!run(p).running_run(), "the run of the old design stopped");
        QCOMPARE(coloured_pixels(response(p).image()), 0);
        QVERIFY(!button(p, Control::response_copy_button)->isEnabled());
        QVERIFY(!button(p, Control::response_export_button)->isEnabled());

        QTest::mouseClick(button(p, Control::response_calculate_button), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(run(p).steps_done() >= 2, run_wait_ms);
        QVERIFY(response(p).form().shown_current());
        QVERIFY(coloured_pixels(response(p).image()) > 100);
    }

    void closing_the_window_stops_the_run() {
        Program p;
        open_response(p);
        calculate(p);
        QTRY_VERIFY_WITH_TIMEOUT(run(p).steps_done() >= 1, run_wait_ms);
        QTest::mouseClick(button(p, Control::response_close_button), Qt::LeftButton);
        settle();
        QCOMPARE(run(p).state(), BemState::cancelled);
    }

    // The program closing mid-run waits for the worker to wind down, which
    // it does between rows of its matrix; a hang fails by the test's time limit.
    void closing_the_program_during_a_run() {
        auto p = std::make_unique<Program>();
        open_response(*p);
        calculate(*p);
        QTRY_VERIFY_WITH_TIMEOUT(run(*p).steps_done() >= 1, run_wait_ms);
        p.reset();
        QVERIFY(!p);
    }
};

}  // namespace welkin

QTEST_MAIN(welkin::ResponseBemTest)
#include "response_bem_test.moc"
