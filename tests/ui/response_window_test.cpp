// The polar response window's inputs reaching its view, and Close. (Opening it
// from the Lobes menu is the GUI drive's; the view following the design, and a
// design the main window refuses, are the response form's tests'.)
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "lobes/lobe_analysis.h"
#include "ui/companion_windows.h"
#include "window_fixture.h"

namespace welkin {

namespace {

ResponseWindow& response(Program& p) {
    return p.companions->response();
}

void open_response(Program& p) {
    menu_item(p.window, Control::response_item)->trigger();
    settle();
}

}  // namespace

class ResponseWindowTest : public QObject {
    Q_OBJECT

private slots:
    void inputs_reach_the_view() {
        Program p;
        open_response(p);
        auto* frequency = child<QDoubleSpinBox>(response(p), Control::response_frequency);
        frequency->setFocus();
        frequency->selectAll();
        QTest::keyClicks(frequency, QStringLiteral("1500"));
        child<QSpinBox>(response(p), Control::response_panels)->setValue(4);
        child<QDoubleSpinBox>(response(p), Control::response_source_angle)->setValue(-30);
        QTest::mouseClick(child<QCheckBox>(response(p), Control::response_common_reference),
                          Qt::LeftButton);
        settle();
        const ResponseView* v = response(p).form().view();
        QVERIFY(v != nullptr);
        QCOMPARE(v->sound.frequency_hz, 1500.0);
        QCOMPARE(v->panels, 4);
        QCOMPARE(v->sound.source_angle_deg, -30.0);
        QVERIFY(v->common_reference);

        // The design frequency button brings the frequency back under the design.
        auto* follow = child<QPushButton>(response(p), Control::response_design_frequency_button);
        QVERIFY(follow->isEnabled());
        QTest::mouseClick(follow, Qt::LeftButton);
        settle();
        QCOMPARE(frequency->value(), 600.0);
        QVERIFY(!follow->isEnabled());
    }

    // Close, and the frame's close, leave the window closed, and the form's
    // flag with it, so that restoring the main window leaves it hidden.
    void close_stays_closed() {
        Program p;
        open_response(p);
        QTest::mouseClick(child<QPushButton>(response(p), Control::response_close_button), Qt::LeftButton);
        settle();
        QVERIFY(!response(p).isVisible());
        QVERIFY(!p.form.companions().shown(Window::response));
        open_response(p);
        QVERIFY(response(p).isVisible());
        response(p).close();
        settle();
        QVERIFY(!p.form.companions().shown(Window::response));
    }
};

}  // namespace welkin

QTEST_MAIN(welkin::ResponseWindowTest)
#include "response_window_test.moc"
