// The main window's wiring, driven through its widgets on the offscreen
// platform: each case checks that a widget event reaches the form and that
// the window shows what the form then holds.
#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "ui/picture_view.h"
#include "window_fixture.h"

namespace welkin {

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Each scale item reaches its own choice; the last is chosen first so that
    // every row changes something. (The lock buttons are the GUI drive's,
    // which clicks each and reads the lock back from the settings file.)
    void scales_reach_the_form() {
        Started s;
        const struct {
            const char* name;
            Control item;
            int scale_mm;
        } scales[] = {{"very small", Control::very_small_scale_item, 2500},
                      {"small", Control::small_scale_item, 1500},
                      {"medium", Control::medium_scale_item, 800},
                      {"large", Control::large_scale_item, 350},
                      {"stretched", Control::stretch_scale_item, 0}};
        for (const auto& row : scales) {
            menu_item(s.window, row.item)->trigger();
            QVERIFY2(s.form.design().vertical_scale_mm == row.scale_mm, row.name);
        }
    }

    void printing_asks_first_and_picture_clicks_copy() {
        Started s;  // the host declines
        menu_item(s.window, Control::print_item)->trigger();
        QVERIFY(s.host.printed.empty());
        s.host.answer_yes = true;
        menu_item(s.window, Control::print_item)->trigger();
        QCOMPARE(s.host.printed.size(), std::size_t{1});

        QTest::mouseDClick(child<PictureView>(s.window, Control::phase_wheel_picture), Qt::LeftButton);
        QTest::mouseClick(child<PictureView>(s.window, Control::scatter_picture), Qt::LeftButton);
        QCOMPARE(s.host.copied, (std::vector<Picture>{Picture::phase_wheel, Picture::scatter}));
    }

    // A button of the advanced mode reaches its command and shows what it did.
    // (Which buttons show in which mode is the main form's test's.)
    void a_wheel_button_turns_the_wheel() {
        Started s;
        menu_item(s.window, Control::advanced_item)->trigger();
        QTest::mouseClick(child<QPushButton>(s.window, Control::rotate_clockwise_button),
                          Qt::LeftButton);
        QCOMPARE(s.form.design().wheel_shift, 1);
        QCOMPARE(child<QPushButton>(s.window, Control::reset_wheel_button)->text(),
                 QStringLiteral("1"));
    }

    // Long lengths show whole: each figure in its cell, above the scroll bar
    // when there is one, and the recommended well width left of its field. In
    // feet and inches at a low design frequency a depth ran to a third line
    // the cell cut off, and the caption ran under its field.
    void long_lengths_show_whole() {
        const struct {
            const char* name;
            UnitMode units;
            const char* wells;
            const char* frequency;
        } rows[] = {
            {"feet and inches, 100 Hz", UnitMode::inches, "7", "100"},
            {"feet and inches under the scroll bar", UnitMode::inches, "13", "100"},
            {"feet and inches, 10 Hz", UnitMode::inches, "7", "10"},
            {"decimal inches, 10 Hz", UnitMode::decimalinches, "13", "10"},
            {"millimetres, 10 Hz", UnitMode::metric, "13", "10"},
        };
        for (const auto& row : rows) {
            Started s;
            Design d = s.form.design();
            d.unit_mode = row.units;
            d.auto_well_width = false;
            s.form.restore_choices(d);
            s.form.results_table().restore_page(1);  // the depths
            type_into(field(s.window, Control::well_count_field), QString::fromLatin1(row.wells));
            type_into(field(s.window, Control::design_frequency_field),
                      QString::fromLatin1(row.frequency));
            const auto* scroll = child<QScrollBar>(s.window, Control::figures_scroll);
            QList<const QLabel*> texts{child<QLabel>(s.window, Control::well_width_caption)};
            for (int column = 0; column < 11; ++column)
                texts << child<QLabel>(s.window, Control::ratio_cell, column);
            for (const QLabel* text : texts) {
                const bool cell = text->wordWrap();
                const int right = cell ? text->geometry().right() + 1
                                       : field(s.window, Control::well_width_field)->x();
                const int foot = cell && scroll->isVisible() ? scroll->y()
                                                             : text->geometry().bottom() + 1;
                const QRect room(text->pos(), QPoint(right - 1, foot - 1));
                const QRect needed = QFontMetrics(text->font()).boundingRect(
                    QRect(0, 0, room.width(), 1000),
                    Qt::TextShowMnemonic | (cell ? Qt::TextWordWrap : 0), text->text());
                QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                         qPrintable(QStringLiteral("%1: \"%2\" needs %3 x %4 px of %5 x %6")
                                        .arg(row.name, text->text())
                                        .arg(needed.width()).arg(needed.height())
                                        .arg(room.width()).arg(room.height())));
            }
        }
    }
};

}  // namespace welkin

QTEST_MAIN(welkin::MainWindowTest)
#include "main_window_test.moc"
