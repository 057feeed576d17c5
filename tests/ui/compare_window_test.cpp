// The Compare window wired to the main window: opened from the File menu,
// pinning what the main window shows, and a compared design opened back in
// the main window, which shows it at once.
#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "temp_dir.h"
#include "ui/companion_windows.h"
#include "window_fixture.h"

namespace welkin {

namespace {

void click(QWidget& window, Control button) {
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
    settle();
}

}  // namespace

class CompareWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The comparison file goes to a folder of the test's own.
    void init() {
        home = std::make_unique<TempDir>();
        qputenv("WELKIN_HOME", QByteArray::fromStdString(home->path().string()));
    }
    void cleanup() {
        qunsetenv("WELKIN_HOME");
        home.reset();
    }

    void pins_what_the_main_window_shows_and_opens_it_back() {
        Program p;
        menu_item(p.window, Control::compare_item)->trigger();
        settle();
        CompareWindow& compare = p.companions->compare();
        QVERIFY(compare.isVisible());

        click(compare, Control::compare_pin_button);
        type_into(field(p.window, Control::well_count_field), QStringLiteral("13"));
        settle();
        click(compare, Control::compare_pin_button);
        auto* table = child<QTableWidget>(compare, Control::compare_table);
        QCOMPARE(table->columnCount(), 2);
        QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("N 13, 600 Hz"));

        // Back to the first design, answering the question about the main window's.
        table->selectColumn(0);
        DialogWatch yes([](QWidget& modal) {
            auto* box = qobject_cast<QMessageBox*>(&modal);
            if (box == nullptr) return false;
            box->button(QMessageBox::Yes)->click();
            return true;
        });
        click(compare, Control::compare_open_main_button);
        QTest::qWait(100);
        QCOMPARE(p.form.design().well_count, 7);
        QCOMPARE(field(p.window, Control::well_count_field)->text(), QStringLiteral("7"));
        QVERIFY(yes.unexpected().isEmpty());
    }

    // Remove and move from the buttons, and the table exported. (The same
    // comparison back after a restart is the compare form's test's.)
    void removes_moves_and_exports_the_table() {
        const QString csv = QString::fromStdString(home->file("table.csv"));
        {
            Program p;
            menu_item(p.window, Control::compare_item)->trigger();
            settle();
            CompareWindow& compare = p.companions->compare();
            for (const char* wells : {"7", "13", "17"}) {
                type_into(field(p.window, Control::well_count_field), QString::fromLatin1(wells));
                settle();
                click(compare, Control::compare_pin_button);
            }
            auto* table = child<QTableWidget>(compare, Control::compare_table);
            table->selectColumn(0);
            click(compare, Control::compare_remove_button);
            table->selectColumn(1);
            click(compare, Control::compare_left_button);
            compare.export_csv(csv);
        }
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readLine(), QByteArray("group,row,\"N 17, 600 Hz\",\"N 13, 600 Hz\",best\n"));
    }

private:
    std::unique_ptr<TempDir> home;
};

}  // namespace welkin

QTEST_MAIN(welkin::CompareWindowTest)
#include "compare_window_test.moc"
