// The main window's wiring, driven through its widgets on the offscreen
// platform: each case checks that a widget event reaches the form and that
// the window shows what the form then holds.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "fake_host.h"
#include "forms/startup.h"
#include "persist/app_folder.h"
#include "temp_dir.h"
#include "ui/main_window.h"
#include "ui/picture_view.h"
#include "ui/qt_host.h"

namespace welkin {

namespace {

QAction* action(QWidget& window, const QString& text) {
    for (QAction* a : window.findChildren<QAction*>()) {
        if (a->text() == text) return a;
    }
    qFatal("no menu item %s", qPrintable(text));
}

template <typename T>
T* child(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) qFatal("no control %s", name);
    return found;
}

// A window over a form that reports to a recording host, started as the
// program starts.
struct Started {
    FakeHost host;
    MainForm form{host};
    MainWindow window{form};
    explicit Started(const StartOptions& options = {}) {
        start_up(form, options);
        window.refresh();
        window.show();
    }
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void typing_a_frequency_recomputes_and_repaints() {
        Started s;
        auto* picture = child<PictureView>(s.window, "Picture1");
        const qint64 before = picture->image().cacheKey();
        QLineEdit* text2 = child<QLineEdit>(s.window, "Text2");
        text2->selectAll();
        QTest::keyClicks(text2, "500");
        QCOMPARE(s.form.design().design_freq_hz, 500.0);
        QCOMPARE(child<QLineEdit>(s.window, "Text5")->text(), QStringLiteral(" 197"));
        QVERIFY(picture->image().cacheKey() != before);
        QVERIFY(!picture->image().isNull());
    }

    void radio_groups_keep_one_item_checked() {
        Started s;
        QAction* large = action(s.window, "Draw the panel to scale as a Large picture");
        const QList<QAction*> scales = large->actionGroup()->actions();
        QCOMPARE(scales.size(), 5);
        for (QAction* chosen : scales) {
            chosen->trigger();
            for (QAction* other : scales) QCOMPARE(other->isChecked(), other == chosen);
        }
        QCOMPARE(s.form.design().vertical_scale_mm, 2500);  // the last, very small

        const QList<QRadioButton*> locks = {child<QRadioButton>(s.window, "opt_depthlock"),
                                            child<QRadioButton>(s.window, "opt_buildlock_2d"),
                                            child<QRadioButton>(s.window, "opt_freqlock")};
        for (QRadioButton* chosen : locks) {
            QTest::mouseClick(chosen, Qt::LeftButton);
            for (QRadioButton* other : locks) QCOMPARE(other->isChecked(), other == chosen);
        }
        QCOMPARE(s.form.design().lock, LockMode::freq);
    }

    void a_copy_before_any_recompute_is_blank() {
        QtHost host;
        MainForm form(host);
        MainWindow window(form);
        host.attach(&window);
        action(window, "Copy panel picture to clipboard. (Shortcut: Double-click picture)")
            ->trigger();
        const QImage copied = QApplication::clipboard()->image();
        QCOMPARE(copied.size(), child<PictureView>(window, "Picture1")->size());
        QCOMPARE(copied.pixelColor(copied.width() / 2, copied.height() / 2), QColor(Qt::white));
    }

    void printing_asks_first_and_picture_clicks_copy() {
        Started s;  // the host declines
        action(s.window, "&Print")->trigger();
        QVERIFY(s.host.printed.empty());
        s.host.answer_yes = true;
        action(s.window, "&Print")->trigger();
        QCOMPARE(s.host.printed.size(), std::size_t{1});

        QTest::mouseDClick(child<PictureView>(s.window, "Picture2"), Qt::LeftButton);
        QTest::mouseClick(child<PictureView>(s.window, "Picture3"), Qt::LeftButton);
        QCOMPARE(s.host.copied, (std::vector<Picture>{Picture::phase_wheel, Picture::scatter}));
    }

    void advanced_buttons_follow_the_menu() {
        Started s;
        QAction* advanced = action(
            s.window, "Advanced mode - allow rotation of phase wheel and side-shifting of panel");
        auto* shift_left = child<QPushButton>(s.window, "Command5");
        auto* rotate = child<QPushButton>(s.window, "Command7");
        QVERIFY(!shift_left->isVisible() && !rotate->isVisible());
        advanced->trigger();
        QVERIFY(shift_left->isVisible() && rotate->isVisible());
        QCOMPARE(child<QPushButton>(s.window, "Command2")->text(), QStringLiteral("0"));
        QTest::mouseClick(child<QPushButton>(s.window, "Command8"), Qt::LeftButton);
        QCOMPARE(child<QPushButton>(s.window, "Command2")->text(), QStringLiteral("1"));
        advanced->trigger();
        QVERIFY(!shift_left->isVisible() && !rotate->isVisible());
    }

    void closing_saves_the_state_for_the_next_start() {
        const TempDir home;
        qputenv("WELKIN_HOME", home.path().string().c_str());
        const StartOptions options{app_folder().string(), settings_path().string(), ""};
        {
            Started s(options);
            QTest::keyClicks(child<QLineEdit>(s.window, "Text1"), "1");  // 71 wells
            s.window.close();
        }
        QVERIFY(std::filesystem::exists(home.file("welkin.ini")));
        Started next(options);
        QCOMPARE(child<QLineEdit>(next.window, "Text1")->text(), QStringLiteral("71"));
        QVERIFY(next.window.windowTitle().endsWith("    Project: most recent"));
        qunsetenv("WELKIN_HOME");
    }

    void imperial_entry_commits_on_enter() {
        Started s;
        s.form.edit_design().unit_mode = UnitMode::inches;
        QLineEdit* fin = child<QLineEdit>(s.window, "Text4");
        fin->setFocus();
        fin->selectAll();
        QTest::keyClicks(fin, "1/8");
        QVERIFY(s.form.field_dirty(Field::fin_width));
        QVERIFY(fin->styleSheet().contains("#ffc0c0"));
        QTest::keyClick(fin, Qt::Key_Return);
        QCOMPARE(s.form.design().fin_width_mm, 3.0);
        QCOMPARE(fin->text(), QStringLiteral("1/8"));
        QVERIFY(fin->styleSheet().contains("#ffffff"));
    }
};

}  // namespace welkin

QTEST_MAIN(welkin::MainWindowTest)
#include "main_window_test.moc"
