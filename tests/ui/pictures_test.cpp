// What the window shows before its first complete recompute, drawings to
// scale wider than their place, and the font they are written in.
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

PictureView* picture(QWidget& window, Control control) {
    return child<PictureView>(window, control);
}

// The caption as it reads: an access key's mark is not shown.
QString caption(QWidget& window, Control control) {
    return child<QLabel>(window, control)->text().remove(QLatin1Char('&'));
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void nothing_is_drawn_before_a_recompute_completes_data() {
        QTest::addColumn<QByteArray>("wells");
        QTest::addColumn<QByteArray>("frequency");
        QTest::addColumn<Control>("fix_field");
        QTest::addColumn<QByteArray>("fix_text");
        QTest::newRow("9 wells, not a prime")
            << QByteArray("9") << QByteArray("600") << Control::well_count_field << QByteArray("7");
        QTest::newRow("25000 Hz, out of range")
            << QByteArray("7") << QByteArray("25000") << Control::design_frequency_field << QByteArray("600");
    }
    void nothing_is_drawn_before_a_recompute_completes() {
        QFETCH(QByteArray, wells);
        QFETCH(QByteArray, frequency);
        QFETCH(Control, fix_field);
        QFETCH(QByteArray, fix_text);
        const TempDir home;
        const std::string ini = home.file("welkin.ini");
        write_settings(ini, wells.constData(), frequency.constData(), home.path().string());
        const DialogWatch watch;
        LiveStarted s({home.path().string(), ini, ""});
        QCOMPARE(s.form.shown().completed_recomputes, 0L);

        for (const Control name : {Control::cross_section_picture, Control::phase_wheel_picture,
                                   Control::scatter_picture}) {
            QVERIFY(all_white(picture(s.window, name)->image()));
        }
        menu_item(s.window, Control::copy_panel_item)->trigger();
        QVERIFY(all_white(QApplication::clipboard()->image()));
        QCOMPARE(caption(s.window, Control::cutoffs_label), QStringLiteral("Cutoff freqs"));
        QCOMPARE(caption(s.window, Control::period_width_label), QStringLiteral("Panel width"));
        QCOMPARE(caption(s.window, Control::seating_distance_label), QStringLiteral("Seating distance"));
        QCOMPARE(caption(s.window, Control::well_width_caption), QStringLiteral("Recommended width XXmm"));
        for (int score = 0; score < 4; ++score) {
            auto* tile = child<QLabel>(s.window, Control::score_tile, score);
            const QImage face = tile->grab().toImage();
            QCOMPARE(face.pixelColor(face.width() / 2, face.height() / 2),
                     tile->palette().color(QPalette::Window));
        }

        // Mending the input completes a recompute, and then all is drawn.
        type_into(field(s.window, fix_field), QString::fromLatin1(fix_text));
        QVERIFY(s.form.shown().completed_recomputes > 0);
        QVERIFY(!all_white(picture(s.window, Control::cross_section_picture)->image()));
        QVERIFY(caption(s.window, Control::cutoffs_label) != QStringLiteral("Cutoff freqs"));
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
        menu_item(window, Control::auto_well_width_item)->trigger();
        menu_item(window, Control::large_scale_item)->trigger();
        type_into(field(window, Control::well_count_field), QStringLiteral("101"));
        type_into(field(window, Control::well_width_field), well);
        type_into(field(window, Control::fin_width_field), fin);

        const PictureView* panel = picture(window, Control::cross_section_picture);
        QCOMPARE(panel->image().width(), width_px);
        QCOMPARE(picture(window, Control::scatter_picture)->image().width(), width_px);
        QVERIFY(panel->width() < width_px);  // the view shows a part and pans
        menu_item(window, Control::copy_panel_item)->trigger();
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
};

}  // namespace welkin

QTEST_MAIN(welkin::PicturesTest)
#include "pictures_test.moc"
