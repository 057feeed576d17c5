// The Build window as the user meets it: opened from the main window's
// Export menu on the design in view, its plan following the choices, its files written,
// a refused choice shown with nothing to write.
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "temp_dir.h"
#include "ui/build_window.h"
#include "window_fixture.h"

namespace welkin {

namespace {

// Answers the first Build window that comes up with `use`, then closes it.
DialogWatch::Answer on_build_window(std::function<void(BuildWindow&)> use, bool& seen) {
    return [use = std::move(use), &seen](QWidget& modal) {
        auto* build = dynamic_cast<BuildWindow*>(&modal);
        if (build == nullptr) return false;
        if (!seen) use(*build);
        seen = true;
        build->accept();
        return true;
    };
}

void set_value(QDoubleSpinBox* box, double value) {
    box->setValue(value);
    settle();
}

}  // namespace

class BuildWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opens_from_the_main_windows_export_menu_on_the_1d_panel() {
        LiveStarted s;
        bool seen = false;
        const DialogWatch watch(on_build_window(
            [](BuildWindow& w) {
                QVERIFY(!w.form().design().two_d);
                QVERIFY(child<QLabel>(w, Control::build_summary)->text().startsWith("1D panel, N 7"));
            },
            seen));
        menu_item(s.window, Control::build_item)->trigger();
        QVERIFY(seen);
        QVERIFY(watch.unexpected().isEmpty());
    }

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
