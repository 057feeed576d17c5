// The Build window as the user meets it: its plan following the choices, its
// files written, a refused choice shown with nothing to write. (Opening it from
// the Export menu is the GUI drive's.)
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "temp_dir.h"
#include "ui/build_window.h"
#include "window_fixture.h"

namespace welkin {

namespace {

void set_value(QDoubleSpinBox* box, double value) {
    box->setValue(value);
    settle();
}

}  // namespace

class BuildWindowTest : public QObject {
    Q_OBJECT

private slots:
    void the_plan_follows_kerf_and_stock() {
        Started s;
        BuildWindow w(s.form, std::nullopt, &s.window);
        auto* summary = child<QLabel>(w, Control::build_summary);
        set_value(child<QDoubleSpinBox>(w, Control::build_board, 0), 1250);
        QVERIFY(summary->text().contains("Boards 1250 x"));
        QCOMPARE(w.form().options().board.length_mm, 1250.0);
        // Boards 0 mm thick build nothing: the reason replaces the plan.
        set_value(child<QDoubleSpinBox>(w, Control::build_board, 2), 0);
        QVERIFY(!w.form().plan());
        QCOMPARE(summary->text(), QString::fromStdString(w.form().plan().message()));
        QVERIFY(!child<QPushButton>(w, Control::build_output_button, 0)->isEnabled());
        set_value(child<QDoubleSpinBox>(w, Control::build_board, 2), 3);
        set_value(child<QDoubleSpinBox>(w, Control::build_kerf), 2);
        QVERIFY(child<QPushButton>(w, Control::build_output_button, 0)->isEnabled());
        QCOMPARE(w.form().options().kerf_mm, 2.0);
    }

    void every_output_is_written() {
        Started s;
        const TempDir dir;
        BuildWindow w(s.form, std::nullopt, &s.window);
        int n = 0;
        for (const BuildOutputKind& kind : build_output_kinds()) {
            const std::string path = dir.file("out" + std::to_string(n++) + kind.extension);
            QVERIFY(w.write_output(kind.output, QString::fromStdString(path)));
            QVERIFY(std::filesystem::file_size(path) > 0);
        }
    }
};

}  // namespace welkin

QTEST_MAIN(welkin::BuildWindowTest)
#include "build_window_test.moc"
