// The 2D window's option boxes, its report, and the main window's note while it
// is open. (Dimensions on and off and the full-screen views closing on a key are
// the GUI drive's, on a real screen; the offsets' buttons and captions are the 2D
// form's tests'.)
#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QFile>
#include <QLineEdit>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <array>

#include "render/panel2d_render.h"
#include "temp_dir.h"
#include "ui/full_screen_window.h"
#include "ui/panel2d_window.h"
#include "window_fixture.h"

namespace welkin {

namespace {

// Runs `inside` once the 2D window is up, then leaves it with "&OK".
void with_2d_window(LiveStarted& s, const std::function<void(QWidget&)>& inside) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
        QWidget* shown = s.host.windows().find(Window::panel_2d);
        QVERIFY(shown != nullptr && shown->isVisible());
        inside(*shown);
        ran = true;
        QTest::mouseClick(child<QPushButton>(*shown, Control::ok_2d_button), Qt::LeftButton);
    });
    menu_item(s.window, Control::panel_2d_item)->trigger();
    QVERIFY(ran);
}

}  // namespace

class Panel2dWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Each option box reaches its own option, and a second click takes it
    // back. (The boxes' handlers once tripped the sanitizers here.)
    void each_option_box_sets_its_own_option() {
        struct Row {
            const char* name;
            Control box;
            bool Panel2dOptions::*option;
        };
        const Row rows[] = {
            {"Numbers", Control::numbers_check, &Panel2dOptions::numbers},
            {"Half-size", Control::half_size_check, &Panel2dOptions::half_size},
            {"No color", Control::no_colour_check, &Panel2dOptions::no_colour},
            {"Dimensions", Control::dimensions_check, &Panel2dOptions::dimensions},
            {"Invert colors", Control::invert_check, &Panel2dOptions::invert},
            {"Show Depth lines", Control::depth_lines_check, &Panel2dOptions::depth_lines},
        };
        const TempDir home;
        const DialogWatch watch;
        LiveStarted s({home.path().string(), home.file("welkin.ini"), ""});
        const Panel2dForm& form = s.form.panel_2d_form();
        with_2d_window(s, [&](QWidget& w) {
            for (const Row& row : rows) {
                auto* box = child<QCheckBox>(w, row.box);
                const bool before = form.options().*row.option;
                box->click();
                QVERIFY2(form.options().*row.option != before, row.name);
                QVERIFY2(box->isChecked() != before, row.name);
                box->click();
                QVERIFY2(form.options().*row.option == before, row.name);
            }
        });
        QVERIFY(watch.unexpected().isEmpty());
    }

    // The window's report is the batch program's for the same offsets, byte
    // for byte.
    void generate_2d_report_writes_what_welkin_cli_prints() {
        const TempDir home;
        qputenv("WELKIN_HOME", QByteArray::fromStdString(home.path().string()));
        const DialogWatch watch([](QWidget& modal) {
            if (qobject_cast<QMessageBox*>(&modal) == nullptr) return false;
            modal.close();  // "Report ... created"
            return true;
        });
        LiveStarted s({home.path().string(), home.file("welkin.ini"), ""});
        with_2d_window(s, [&](QWidget& w) {
            QTest::mouseClick(child<QPushButton>(w, Control::pull_button), Qt::LeftButton);  // Left:4 Pull:5
            menu_item(w, Control::report_2d_item)->trigger();
        });
        qunsetenv("WELKIN_HOME");
        QFile written(QString::fromStdString(home.file("welkin_2d.txt")));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QProcess cli;
        cli.start(QStringLiteral(WELKIN_CLI), {"report2d", "--left", "4", "--pull", "5"});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(written.readAll(), cli.readAllStandardOutput());
        QVERIFY(watch.unexpected().isEmpty());
    }

    // A double click copies the picture the window shows: each one as a
    // fresh drawing of the moved offsets at the picture's own size.
    void double_click_copies_the_picture_on_show() {
        struct Row {
            const char* name;
            Control view;
            Picture2d picture;
        };
        const Row rows[] = {
            {"panel", Control::panel_2d_picture, Picture2d::panel},
            {"crossword", Control::crossword_picture, Picture2d::crossword},
        };
        const TempDir home;
        const DialogWatch watch;
        LiveStarted s({home.path().string(), home.file("welkin.ini"), ""});
        const Panel2dForm& form = s.form.panel_2d_form();
        with_2d_window(s, [&](QWidget& w) {
            QTest::mouseClick(child<QPushButton>(w, Control::left_button), Qt::LeftButton);
            for (const Row& row : rows) {
                auto* view = child<QLabel>(w, row.view);
                QGuiApplication::clipboard()->clear();
                QTest::mouseDClick(view, Qt::LeftButton);
                const QImage copied = QGuiApplication::clipboard()->image();
                const Panel2dDrawing d{form.grid(), form.offsets(), form.panel_options(),
                                       form.crossword_options(false)};
                const QImage drawn = render_picture_2d(row.picture, d, view->size());
                QVERIFY2(!copied.isNull(), row.name);
                QVERIFY2(copied.convertToFormat(drawn.format()) == drawn, row.name);
            }
        });
        QVERIFY(watch.unexpected().isEmpty());
    }

    // The window made larger: the caption stays just over the pictures, the
    // crossword beside the panel, and the buttons at the bottom.
    void a_larger_window_keeps_its_pictures_together() {
        LiveStarted s;
        with_2d_window(s, [](QWidget& window) {
            const QWidget* caption = child<QLabel>(window, Control::panel_2d_caption);
            const QWidget* panel = child<QLabel>(window, Control::panel_2d_picture);
            const QWidget* crossword = child<QLabel>(window, Control::crossword_picture);
            const QWidget* ok = child<QPushButton>(window, Control::ok_2d_button);
            const auto gaps = [&] {
                return std::array<int, 3>{panel->y() - caption->geometry().bottom(),
                                          crossword->x() - panel->geometry().right(),
                                          window.height() - ok->geometry().bottom()};
            };
            const std::array<int, 3> natural = gaps();
            window.resize(window.size() + QSize(300, 250));
            settle();
            const std::array<int, 3> larger = gaps();
            QCOMPARE(larger[0], natural[0]);  // caption to pictures
            QCOMPARE(larger[1], natural[1]);  // panel to crossword
            QCOMPARE(larger[2], natural[2]);  // buttons to the bottom edge
        });
    }

    void the_note_covers_no_control_of_the_main_window() {
        const TempDir home;
        const DialogWatch watch;
        LiveStarted s({home.path().string(), home.file("welkin.ini"), ""});
        auto* note = child<QFrame>(s.window, Control::note_2d_frame);
        QStringList covered;
        with_2d_window(s, [&](QWidget&) {
            QVERIFY(note->isVisible());
            const QRect area(note->mapTo(&s.window, QPoint(0, 0)), note->size());
            for (QWidget* w : s.window.findChildren<QWidget*>()) {
                if (!w->isVisible() || w->window() != &s.window || w == note ||
                    note->isAncestorOf(w))
                    continue;
                if (qobject_cast<QLabel*>(w) == nullptr && qobject_cast<QLineEdit*>(w) == nullptr &&
                    qobject_cast<QAbstractButton*>(w) == nullptr)
                    continue;
                if (QRect(w->mapTo(&s.window, QPoint(0, 0)), w->size()).intersects(area)) {
                    covered << w->objectName() + QStringLiteral(" ") + w->metaObject()->className();
                }
            }
        });
        QVERIFY2(covered.isEmpty(), qPrintable(covered.join(QStringLiteral(", "))));
        QVERIFY(note->autoFillBackground());
    }
};

}  // namespace welkin

QTEST_MAIN(welkin::Panel2dWindowTest)
#include "panel2d_window_test.moc"
