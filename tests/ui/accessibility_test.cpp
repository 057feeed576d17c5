// What a keyboard user meets in every window: Tab in reading order and no
// access key twice. (Names and descriptions, and the labels' keys of the main
// window, are the GUI drive's, through the real accessibility bus.)
#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <map>
#include <memory>

#include "temp_dir.h"
#include "ui/about_dialog.h"
#include "ui/build_window.h"
#include "ui/create_folder_window.h"
#include "ui/full_screen_window.h"
#include "ui/lobes_window.h"
#include "ui/panel2d_window.h"
#include "ui/project_file_window.h"
#include "ui/units_dialog.h"
#include "window_fixture.h"

namespace welkin {

namespace {

QString spoken(QWidget& w, QAccessible::Text what) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&w);
    return face != nullptr ? face->text(what).trimmed() : QString();
}

QString who(QWidget& w) {
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(QString::fromLatin1(w.metaObject()->className()), w.objectName(),
             spoken(w, QAccessible::Name));
}

// The window's own showing widgets, not those of a window it owns.
QList<QWidget*> showing(QWidget& window) {
    QList<QWidget*> found;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->window() == &window && w->isVisibleTo(&window)) found << w;
    }
    return found;
}

QRect place(QWidget& w, QWidget& window) {
    return {w.mapTo(&window, QPoint(0, 0)), w.size()};
}

bool overlaps_across(int a_low, int a_high, int b_low, int b_high) {
    const int a_mid = (a_low + a_high) / 2;
    const int b_mid = (b_low + b_high) / 2;
    return (a_mid >= b_low && a_mid <= b_high) || (b_mid >= a_low && b_mid <= a_high);
}

// Reading order: on one line left to right, in one column top to bottom.
// Controls neither on one line nor in one column may come in either order.
QStringList out_of_reading_order(QWidget& window) {
    QList<QWidget*> chain;
    for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
        if (w->window() == &window && w->isVisibleTo(&window) && (w->focusPolicy() & Qt::TabFocus))
            chain << w;
    }
    QStringList wrong;
    for (qsizetype i = 0; i < chain.size(); ++i) {
        for (qsizetype j = i + 1; j < chain.size(); ++j) {
            const QRect a = place(*chain[i], window);
            const QRect b = place(*chain[j], window);
            const bool one_line = overlaps_across(a.top(), a.bottom(), b.top(), b.bottom());
            const bool one_column = overlaps_across(a.left(), a.right(), b.left(), b.right());
            if ((one_line && b.center().x() < a.left()) ||
                (one_column && !one_line && b.bottom() < a.top()))
                wrong << who(*chain[i]) + QStringLiteral(" before ") + who(*chain[j]);
        }
    }
    return wrong;
}

// The marked letter of a text ("Fin widt&h" gives 'h'), none for "&&".
QChar access_key(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toLower();
        ++i;
    }
    return {};
}

QStringList repeated_access_keys(QWidget& window) {
    std::map<QChar, QStringList> owners;
    const auto add = [&](const QString& text) {
        if (const QChar key = access_key(text); !key.isNull()) owners[key] << text;
    };
    for (QWidget* w : showing(window)) {
        if (auto* button = qobject_cast<QAbstractButton*>(w)) add(button->text());
        if (auto* label = qobject_cast<QLabel*>(w); label != nullptr && label->buddy() != nullptr)
            add(label->text());
        if (auto* bar = qobject_cast<QMenuBar*>(w))
            for (QAction* a : bar->actions()) add(a->text());
    }
    QStringList clashes;
    for (const auto& [key, texts] : owners)
        if (texts.size() > 1) clashes << QString(key) + QStringLiteral(": ") + texts.join(u", ");
    return clashes;
}

// Every window of the program, built and shown over one main window.
struct AllWindows {
    TempDir home;
    LiveStarted s{{home.path().string(), home.file("welkin.ini"), ""}};
    std::unique_ptr<CompanionWindows> companions =
        std::make_unique<CompanionWindows>(s.window, s.host);
    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> owned;

    AllWindows() {
        menu_item(s.window, Control::advanced_item)
            ->trigger();  // the wheel's and shift buttons show
        MainForm& f = s.form;
        own("about", std::make_unique<AboutDialog>(s.host, home.path(), nullptr));
        own("units", std::make_unique<UnitsDialog>(f.units_form(), nullptr));
        own("2D", std::make_unique<Panel2dWindow>(f.panel_2d_form(), f, nullptr));
        own("full screen", std::make_unique<FullScreenWindow>(f.panel_2d_form(), nullptr));
        own("lobes", std::make_unique<LobesWindow>(s.window, nullptr));
        owned.back().second->resize(1024, 768);  // it opens the size of the screen
        own("build", std::make_unique<BuildWindow>(f, std::nullopt, nullptr));
        f.project_dialogs().choose_folder(FileDialog::open, home.path().string());
        own("open",
            std::make_unique<ProjectFileWindow>(FileDialog::open, f.project_dialogs(), nullptr));
        own("save",
            std::make_unique<ProjectFileWindow>(FileDialog::save_as, f.project_dialogs(), nullptr));
        own("create folder", std::make_unique<CreateFolderWindow>(f.project_dialogs(), nullptr));
    }
    void own(const char* name, std::unique_ptr<QWidget> window) {
        owned.emplace_back(QString::fromLatin1(name), std::move(window));
    }
    // Each window by name, shown.
    std::vector<std::pair<QString, QWidget*>> shown() {
        std::vector<std::pair<QString, QWidget*>> all = {
            {QStringLiteral("main"), &s.window},
            {QStringLiteral("scorecard"), &companions->scorecard()},
            {QStringLiteral("visualiser"), &companions->visualiser()},
            {QStringLiteral("polar response"), &companions->response()},
            {QStringLiteral("compare"), &companions->compare()}};
        for (auto& [name, window] : owned) all.emplace_back(name, window.get());
        for (auto& [name, window] : all) window->show();
        settle();
        return all;
    }
};

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    // Tab in reading order and no access key twice, in every window at once.
    void every_window_tabs_in_order_with_its_own_keys() {
        AllWindows all;
        QStringList wrong;
        for (auto& [name, window] : all.shown())
            for (const QString& what : out_of_reading_order(*window) + repeated_access_keys(*window))
                wrong << name + QStringLiteral(": ") + what;
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }

    void space_on_toggle_results_turns_the_figures_page() {
        const TempDir home;
        LiveStarted s({home.path().string(), home.file("welkin.ini"), ""});
        auto* toggle = child<QLabel>(s.window, Control::results_toggle);
        const QString heading = child<QLabel>(s.window, Control::ratio_heading)->text();
        toggle->setFocus(Qt::TabFocusReason);
        QVERIFY(toggle->hasFocus());
        QTest::keyClick(toggle, Qt::Key_Space);
        QVERIFY(child<QLabel>(s.window, Control::ratio_heading)->text() != heading);
    }
};

}  // namespace welkin

QTEST_MAIN(welkin::AccessibilityTest)
#include "accessibility_test.moc"
