// An imperial entry waiting in a length field (pink, not yet committed) is
// committed by Enter or by moving to another control of the main window, and
// by nothing else: not by a menu, a dialog, another window, minimising or
// closing, none of which may bring up the field's message box.
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "temp_dir.h"
#include "ui/units_dialog.h"
#include "window_fixture.h"

namespace welkin {

namespace {

enum class Move { enter, tab, backtab, click_other_field, menu_shortcut, other_window, minimise };

// The factory fin width, and 1/4 inch (6.35 mm) as the field commits it,
// rounded half up to whole millimetres.
constexpr double factory_fin_mm = 3;
constexpr double quarter_inch_mm = 6;

QMenu* options_menu(QWidget& window) {
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        if (menu->title() == QStringLiteral("&Options")) return menu;
    }
    qFatal("no Options menu");
}

// Feet-inches in force and `text` typed into the fin width without Enter.
QLineEdit* pending_fin_width(LiveStarted& s, const QString& text) {
    {
        Design d = s.form.design();
        d.unit_mode = UnitMode::inches;
        s.form.restore_choices(d);
    }
    QLineEdit* fin = field(s.window, Control::fin_width_field);
    type_into(fin, text);
    if (!s.form.field_dirty(Field::fin_width)) qFatal("the entry is not pending");
    return fin;
}

void make_move(Move move, LiveStarted& s, QLineEdit* fin, QWidget& elsewhere) {
    switch (move) {
        case Move::enter: QTest::keyClick(fin, Qt::Key_Return); break;
        case Move::tab: QTest::keyClick(fin, Qt::Key_Tab); break;
        case Move::backtab: QTest::keyClick(fin, Qt::Key_Backtab, Qt::ShiftModifier); break;
        case Move::click_other_field:
            QTest::mouseClick(field(s.window, Control::well_count_field), Qt::LeftButton);
            break;
        case Move::menu_shortcut:
            QTest::keyClick(s.window.windowHandle(), Qt::Key_O, Qt::AltModifier);
            break;
        case Move::other_window:
            elsewhere.show();
            elsewhere.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
            break;
        case Move::minimise: s.window.showMinimized(); break;
    }
}

}  // namespace

class PendingEntryTest : public QObject {
    Q_OBJECT

private slots:
    void commits_only_on_leaving_for_another_control_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Move>("move");
        QTest::addColumn<bool>("commits");
        const QString quarter = QStringLiteral("1/4");
        QTest::newRow("Enter") << quarter << Move::enter << true;
        QTest::newRow("Tab to the next control") << quarter << Move::tab << true;
        QTest::newRow("Shift+Tab to the previous control") << quarter << Move::backtab << true;
        QTest::newRow("a click on another field") << quarter << Move::click_other_field << true;
        QTest::newRow("a menu opened by Alt+O") << quarter << Move::menu_shortcut << false;
        QTest::newRow("another window activated") << quarter << Move::other_window << false;
        QTest::newRow("the window minimised") << quarter << Move::minimise << false;
        // A bad entry waiting there brings up no message either.
        for (const char* bad : {"5 1/", "7/", "1/3"})
            QTest::newRow(bad) << QString::fromLatin1(bad) << Move::menu_shortcut << false;
    }
    void commits_only_on_leaving_for_another_control() {
        QFETCH(QString, typed);
        QFETCH(Move, move);
        QFETCH(bool, commits);
        const DialogWatch watch;
        QWidget elsewhere;
        LiveStarted s;
        QLineEdit* fin = pending_fin_width(s, typed);
        make_move(move, s, fin, elsewhere);
        settle();
        QCOMPARE(s.form.field_dirty(Field::fin_width), !commits);
        QCOMPARE(s.form.design().fin_width_mm, commits ? quarter_inch_mm : factory_fin_mm);
        if (move == Move::menu_shortcut) {
            QMenu* options = options_menu(s.window);
            QVERIFY(options->isVisible());  // the shortcut reached the menu bar
            options->close();
            settle();
        }
        QCOMPARE(watch.unexpected(), QStringList());
    }

    void closing_over_a_refused_entry_shows_nothing_and_saves() {
        const TempDir home;
        const std::string ini = home.file("welkin.ini");
        int refusals = 0;
        // The refusal on Enter is the one box this test expects.
        const DialogWatch watch([&](QWidget& modal) {
            if (qobject_cast<QMessageBox*>(&modal) == nullptr || refusals > 0) return false;
            ++refusals;
            modal.close();
            return true;
        });
        LiveStarted s({home.path().string(), ini, ""});
        QLineEdit* fin = pending_fin_width(s, QStringLiteral("5''"));
        QTest::keyClick(fin, Qt::Key_Return);
        settle();
        QCOMPARE(refusals, 1);
        s.window.close();
        settle();
        QCOMPARE(watch.unexpected(), QStringList());
        QVERIFY(std::filesystem::exists(ini));
    }

    void opening_units_over_a_half_typed_entry_does_not_commit_it() {
        // The units window is expected: choose Metric and OK.
        const DialogWatch watch([](QWidget& modal) {
            if (dynamic_cast<UnitsDialog*>(&modal) == nullptr) return false;
            modal.findChildren<QRadioButton*>().front()->click();
            modal.findChild<QPushButton*>()->click();
            return true;
        });
        LiveStarted s;
        pending_fin_width(s, QStringLiteral("5 1/"));
        QTest::keyClick(s.window.windowHandle(), Qt::Key_U, Qt::AltModifier);
        settle();
        QCOMPARE(s.form.design().unit_mode, UnitMode::metric);
        QCOMPARE(s.form.design().fin_width_mm, factory_fin_mm);
        QVERIFY(!s.form.field_dirty(Field::fin_width));
        QCOMPARE(watch.unexpected(), QStringList());
    }
};

}  // namespace welkin

QTEST_MAIN(welkin::PendingEntryTest)
#include "pending_entry_test.moc"
