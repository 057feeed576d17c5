// What the window shows before its first complete recompute, drawings to
// scale wider than their place, and the Qt host's windows and yielding.
#include <QClipboard>
#include <QFontInfo>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <fstream>

#include "render/qt_canvas.h"
#include "temp_dir.h"
#include "ui/picture_view.h"
#include "window_fixture.h"

namespace welkin {

namespace {

bool all_white(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != QColor(Qt::white)) return false;
        }
    }
    return !image.isNull();
}

// A settings file as a user might have left it: lines 1 to 17, the required
// ones, with the number of wells and the design frequency given.
void write_settings(const std::string& path, const char* wells, const char* frequency,
                    const std::string& folder) {
    std::ofstream out(path, std::ios::binary);
    for (const std::string& line :
         {std::string(wells), std::string(frequency), std::string("286"), std::string("3"),
          std::string("49"), std::string("freq"), std::string("yes"), std::string("no"),
          std::string("no"), std::string("no"), std::string("0"), std::string("no"),
          std::string("metric"), std::string("1"), std::string("0"), std::string("0"), folder}) {
        out << line << "\r\n";
    }
}

PictureView* picture(QWidget& window, const char* name) {
    return child<PictureView>(window, QString::fromLatin1(name));
}

QString caption(QWidget& window, const char* name) {
    return child<QLabel>(window, QString::fromLatin1(name))->text();
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void nothing_is_drawn_before_a_recompute_completes_data() {
        QTest::addColumn<QByteArray>("wells");
        QTest::addColumn<QByteArray>("frequency");
        QTest::addColumn<QByteArray>("fix_field");
        QTest::addColumn<QByteArray>("fix_text");
        QTest::newRow("9 wells, not a prime")
            << QByteArray("9") << QByteArray("600") << QByteArray("Text1") << QByteArray("7");
        QTest::newRow("25000 Hz, out of range")
            << QByteArray("7") << QByteArray("25000") << QByteArray("Text2") << QByteArray("600");
    }
    void nothing_is_drawn_before_a_recompute_completes() {
        QFETCH(QByteArray, wells);
        QFETCH(QByteArray, frequency);
        QFETCH(QByteArray, fix_field);
        QFETCH(QByteArray, fix_text);
        const TempDir home;
        const std::string ini = home.file("welkin.ini");
        write_settings(ini, wells.constData(), frequency.constData(), home.path().string());
        const DialogWatch watch;
        LiveStarted s({home.path().string(), ini, ""});
        QCOMPARE(s.form.completed_recomputes(), 0L);

        for (const char* name : {"Picture1", "Picture2", "Picture3"}) {
            QVERIFY2(all_white(picture(s.window, name)->image()), name);
        }
        menu_item(s.window, "mnu_clippanel")->trigger();
        QVERIFY(all_white(QApplication::clipboard()->image()));
        QCOMPARE(caption(s.window, "Label6"), QStringLiteral("Cutoff freqs"));
        QCOMPARE(caption(s.window, "Label13"), QStringLiteral("Panel width"));
        QCOMPARE(caption(s.window, "Label11"), QStringLiteral("Seating distance"));
        QCOMPARE(caption(s.window, "Label14"), QStringLiteral("Recommended width XXmm"));
        for (const char* name : {"lbl_score0", "lbl_score1", "lbl_score2", "lbl_score3"}) {
            auto* tile = child<QLabel>(s.window, QString::fromLatin1(name));
            const QImage face = tile->grab().toImage();
            QCOMPARE(face.pixelColor(face.width() / 2, face.height() / 2),
                     tile->palette().color(QPalette::Window));
        }

        // Mending the input completes a recompute, and then all is drawn.
        type_into(field(s.window, fix_field.constData()), QString::fromLatin1(fix_text));
        QVERIFY(s.form.completed_recomputes() > 0);
        QVERIFY(!all_white(picture(s.window, "Picture1")->image()));
        QVERIFY(caption(s.window, "Label6") != QStringLiteral("Cutoff freqs"));
        QCOMPARE(watch.unexpected(), QStringList());
    }

    // At the Large scale (350 mm) a panel is drawn 1747 twips per 350 mm,
    // 15 twips to a pixel: 101 wells x (fin + well) = 15150 mm give
    // 1747 x 15150 / 350 / 15 = 5041.3, so 5041 pixels; twice the panel,
    // 30300 mm, gives 10082.7, so 10082.
    void a_wide_panel_is_drawn_to_scale_data() {
        QTest::addColumn<QString>("well");
        QTest::addColumn<QString>("fin");
        QTest::addColumn<int>("width_px");
        QTest::newRow("15150 mm") << QStringLiteral("100") << QStringLiteral("50") << 5041;
        QTest::newRow("30300 mm") << QStringLiteral("200") << QStringLiteral("100") << 10082;
    }
    void a_wide_panel_is_drawn_to_scale() {
        QFETCH(QString, well);
        QFETCH(QString, fin);
        QFETCH(int, width_px);
        QtHost host;
        MainForm form(host);
        MainWindow window(form);
        host.attach(&window);
        start_up(form);
        window.refresh();
        menu_item(window, "mnu_autowells")->trigger();
        menu_item(window, "mnu_scale_vertical250")->trigger();
        type_into(field(window, "Text1"), QStringLiteral("101"));
        type_into(field(window, "Text3"), well);
        type_into(field(window, "Text4"), fin);

        const PictureView* panel = picture(window, "Picture1");
        QCOMPARE(panel->image().width(), width_px);
        QCOMPARE(picture(window, "Picture3")->image().width(), width_px);
        QVERIFY(panel->width() < width_px);  // the view shows a part and pans
        menu_item(window, "mnu_clippanel")->trigger();
        QCOMPARE(QApplication::clipboard()->image().width(), width_px);
    }

    // The pictures' texts fit their places only in Arial's widths: Arial
    // itself or a font made to the same metrics, never a wider fallback.
    void pictures_write_in_arial_widths() {
        const QStringList same_widths = {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                         QStringLiteral("Arimo")};
        const QString found = QFontInfo(picture_font()).family();
        QVERIFY2(same_widths.contains(found), qPrintable(found));
    }

    void registered_windows_are_shown_and_hidden() {
        QtHost host;
        QWidget scorecard;
        host.windows().add(Window::scorecard, &scorecard);
        host.show_window(Window::scorecard, true);
        QVERIFY(scorecard.isVisible());
        host.show_window(Window::scorecard, false);
        QVERIFY(!scorecard.isVisible());
        host.show_window(Window::frontview, true);  // nothing registered: nothing to do
        QCOMPARE(host.windows().find(Window::frontview), nullptr);
    }

    void a_yield_runs_what_is_pending() {
        QtHost host;
        bool ran = false;
        QMetaObject::invokeMethod(
            qApp, [&] { ran = true; }, Qt::QueuedConnection);
        host.yield_to_interface();
        QVERIFY(ran);
    }
};

}  // namespace welkin

QTEST_MAIN(welkin::PicturesTest)
#include "pictures_test.moc"
