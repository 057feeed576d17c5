// The program closed halfway through a boundary-element run: the worker winds
// down and nothing is left running. (Calculate, Cancel and a change of design
// during a run are the GUI drive's.)
#include <QComboBox>
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

}  // namespace

class ResponseBemTest : public QObject {
    Q_OBJECT

private slots:
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
