// The polar response window's inputs reaching its view, the sheet greyed under
// a refused design, and Close. (Opening it from the Lobes menu is the GUI
// drive's; the view following the design is the response form's test's.)
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

// Pixels sampled every second one: those drawn (neither white nor the
// window's grey), and those with any colour (a greyed sheet has none).
struct Ink {
    int drawn = 0;
    int coloured = 0;
};
Ink ink_of(const QImage& image) {
    Ink ink;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            ink.drawn += qRed(p) < 200 || qBlue(p) < 200;
            ink.coloured += qRed(p) != qGreen(p) || qGreen(p) != qBlue(p);
        }
    }
    return ink;
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

    // A design the main window refuses greys the sheet, keeps it drawn, says
    // why, and offers nothing of it to copy or export until the design is good.
    void an_invalid_n_greys_the_sheet_with_the_reason() {
        Program p;
        DialogWatch watch;
        open_response(p);
        auto* status = child<QLabel>(response(p), Control::response_status);
        auto* copy = child<QPushButton>(response(p), Control::response_copy_button);
        type_into(field(p.window, Control::well_count_field), QStringLiteral("8"));
        settle();
        QVERIFY(status->isVisible());  // the reason, which is the response form's test's
        QCOMPARE(ink_of(response(p).image()).coloured, 0);
        QVERIFY(ink_of(response(p).image()).drawn > 100);  // greyed, not wiped
        QVERIFY(!copy->isEnabled());
        QVERIFY(!child<QPushButton>(response(p), Control::response_export_button)->isEnabled());

        type_into(field(p.window, Control::well_count_field), QStringLiteral("11"));
        settle();
        QVERIFY(!status->isVisible());
        QVERIFY(ink_of(response(p).image()).coloured > 100);
        QVERIFY(copy->isEnabled());
        QCOMPARE(watch.unexpected(), QStringList());
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
