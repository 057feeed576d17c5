// The scorecard and About windows wired to the main window. (The keys that
// leave the modeless windows, the visualiser's close, and a page the desktop
// cannot show, are the GUI drive's.)
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "fake_host.h"
#include "forms/about_form.h"
#include "persist/guide_folder.h"
#include "ui/about_dialog.h"
#include "ui/companion_windows.h"
#include "ui/qt_host.h"
#include "window_fixture.h"

namespace welkin {

namespace {

QWidget& scorecard(Program& p) {
    return p.companions->scorecard();
}

}  // namespace

class CompanionsTest : public QObject {
    Q_OBJECT

private slots:
    void tile_click_opens_the_scorecard() {
        Program p;
        QVERIFY(!scorecard(p).isVisible());
        QTest::mouseClick(child<QLabel>(p.window, Control::score_tile, 2), Qt::LeftButton);
        settle();
        QVERIFY(scorecard(p).isVisible());
        QVERIFY(p.form.companions().shown(Window::scorecard));
        QCOMPARE(child<QLabel>(scorecard(p), Control::scorecard_heading)->text(),
                 QStringLiteral("The current well width of  80mm produces the following "
                                "consequences..."));
        QVERIFY(!child<QLabel>(scorecard(p), Control::period_icon)->pixmap().isNull());
    }

    void menu_checks_follow_the_design() {
        Program p;
        QVERIFY(menu_item(p.window, Control::one_panel_item)->isChecked());
        p.form.select_arrangement(Arrangement::three_panels_barker);
        p.form.select_colour_scheme(ColourScheme::kit_kat);
        p.window.refresh();
        QVERIFY(menu_item(p.window, Control::barker_order_item)->isChecked());
        QVERIFY(!menu_item(p.window, Control::one_panel_item)->isChecked());
        QVERIFY(menu_item(p.window, Control::kit_kat_item)->isChecked());
        QVERIFY(!menu_item(p.window, Control::the_blues_item)->isChecked());
    }

    void about_shows_the_version_and_opens_guide_pages() {
        FakeHost host;
        const std::filesystem::path guide = guide_folder();
        AboutDialog about(host, guide, nullptr);
        bool version_shown = false;
        for (const QLabel* l : about.findChildren<QLabel*>())
            version_shown = version_shown || l->text().contains(QStringLiteral("4.01"));
        QVERIFY(version_shown);
        int clicked = 0;
        for (QPushButton* b : about.findChildren<QPushButton*>()) {
            for (const AboutLink& link : about_links) {
                if (b->text() != QString::fromUtf8(link.caption.data(),
                                                   static_cast<qsizetype>(link.caption.size())))
                    continue;
                b->click();
                ++clicked;
            }
        }
        QCOMPARE(clicked, static_cast<int>(about_links.size()));
        QCOMPARE(host.opened.size(), about_links.size());
        for (const std::string& target : host.opened)
            QVERIFY2(std::filesystem::is_regular_file(target), target.c_str());
    }

    // What the desktop is handed: the guide's page as a file, at its section.
    void a_guide_section_reaches_the_desktop_as_a_file_at_that_section() {
        const QString guide = QString::fromStdString(guide_folder().string());
        struct Row {
            const char* name;
            QString target;
            QString file;  // empty: not a local file
            QString section;
        };
        const Row rows[] = {
            {"a page", guide + "/lobes.html", guide + "/lobes.html", ""},
            {"a page at a section", guide + "/usable-range.html#true-diffusion",
             guide + "/usable-range.html", "true-diffusion"},
            {"a web page", "https://example.org/welkin#top", "", "top"},
            {"an e-mail", "mailto:welkin@example.org", "", ""},
        };
        for (const Row& row : rows) {
            const QUrl url = shell_url(row.target);
            QVERIFY2(url.isValid(), row.name);
            QCOMPARE(url.isLocalFile() ? url.toLocalFile() : QString(), row.file);
            QCOMPARE(url.fragment(), row.section);
        }
    }
};

}  // namespace welkin

QTEST_MAIN(welkin::CompanionsTest)
#include "companions_test.moc"
