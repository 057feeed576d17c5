// The scorecard and About windows wired to the main window. (The keys that
// leave the modeless windows, and the visualiser's close, are the GUI drive's.)
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <functional>
#include <fstream>

#include "fake_host.h"
#include "forms/about_form.h"
#include "persist/guide_folder.h"
#include "temp_dir.h"
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

    void minimise_hides_and_restore_shows_until_ok() {
        Program p;
        p.window.activateWindow();
        menu_item(p.window, Control::scorecard_item)->trigger();
        settle();
        QVERIFY(scorecard(p).isVisible());
        p.window.showMinimized();
        settle();
        QVERIFY(!scorecard(p).isVisible());
        p.window.showNormal();
        settle();
        QVERIFY(scorecard(p).isVisible());
        QTest::mouseClick(child<QPushButton>(scorecard(p), Control::scorecard_ok), Qt::LeftButton);
        settle();
        QVERIFY(!scorecard(p).isVisible());
        p.window.showMinimized();
        settle();
        p.window.showNormal();
        settle();
        QVERIFY(!scorecard(p).isVisible());
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

    // The desktop's opener is asked for the page at its section; when it
    // finds no program to show it, the user is told which page that was.
    void a_page_the_desktop_cannot_show_is_named_in_a_message() {
        TempDir bin;
        const QByteArray path_before = qgetenv("PATH");
        qputenv("PATH", QByteArray::fromStdString(bin.path().string()) + ":" + path_before);
        const std::string page = guide_folder().string() + "/usable-range.html#true-diffusion";
        struct Row {
            const char* name;
            int exit_status;
            bool told;
        };
        const Row rows[] = {{"no program for it", 4, true}, {"a browser shows it", 0, false}};
        for (const Row& row : rows) {
            const std::string asked = bin.file("asked-" + std::to_string(row.exit_status));
            std::ofstream(bin.file("xdg-open")) << "#!/bin/sh\necho \"$1\" > '" << asked
                                                << "'\nexit " << row.exit_status << "\n";
            std::filesystem::permissions(bin.file("xdg-open"), std::filesystem::perms::owner_all);
            QtHost host;
            const DialogWatch watch;
            QVERIFY2(host.open_with_shell(page), row.name);
            QVERIFY2(QTest::qWaitFor([&] { return std::filesystem::exists(asked); }, 5000), row.name);
            QTest::qWait(300);
            std::string url;
            std::getline(std::ifstream(asked), url);
            QVERIFY2(url.starts_with("file:///") && url.ends_with("/usable-range.html#true-diffusion"),
                     url.c_str());
            QCOMPARE(watch.unexpected().size(), row.told ? 1 : 0);
            if (row.told) QVERIFY(watch.unexpected()[0].contains(QString::fromStdString(page)));
        }
        qputenv("PATH", path_before);
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
