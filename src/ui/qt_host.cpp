#include "ui/qt_host.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "forms/help_links.h"
#include "persist/guide_folder.h"
#include "render/qt_text.h"
#include "ui/about_dialog.h"
#include "ui/build_window.h"
#include "ui/lobes_window.h"
#include "ui/main_window.h"
#include "ui/panel2d_window.h"
#include "ui/project_file_window.h"
#include "ui/units_dialog.h"

namespace welkin {

namespace {

constexpr const char* program_name = "Welkin";
// A long drawing yields often; one yield serves what is pending and returns
// within this time even while events keep arriving.
constexpr int max_yield_ms = 50;
constexpr const char* msg_no_printer =
    "No printer is set up on this computer, so the window cannot be printed.";

QString title_or_default(std::string_view title) {
    return title.empty() ? QString(program_name) : qs(title);
}

}  // namespace

QUrl shell_url(const QString& target) {
    if (QFileInfo::exists(target)) return QUrl::fromLocalFile(target);
    // A page of the guide at one of its sections.
    const qsizetype hash = target.lastIndexOf(QLatin1Char('#'));
    if (hash > 0 && QFileInfo::exists(target.left(hash))) {
        QUrl page = QUrl::fromLocalFile(target.left(hash));
        page.setFragment(target.mid(hash + 1));
        return page;
    }
    return QUrl(target);
}

void QtHost::attach(MainWindow* window) {
    window_ = window;
    windows_.add(Window::main, window);
}

void QtHost::message_box(std::string_view text, std::string_view title) {
    QMessageBox::information(window_, title_or_default(title), qs(text));
}

bool QtHost::ask_yes_no(std::string_view text, std::string_view title) {
    return QMessageBox::question(window_, title_or_default(title), qs(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtHost::focus_field(Field field) {
    if (window_ != nullptr) window_->focus_field(field);
}

void QtHost::copy_picture(Picture picture) {
    if (window_ == nullptr) return;
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(window_->picture_image(picture));
}

void QtHost::copy_picture_2d(Picture2d picture) {
    const auto* shown = dynamic_cast<Panel2dWindow*>(windows_.find(Window::panel_2d));
    if (shown == nullptr) return;
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(shown->picture_image(picture));
}

bool QtHost::open_with_shell(const std::string& path_or_address) {
    const QUrl url = shell_url(qs(path_or_address));
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) return QDesktopServices::openUrl(url);
    // Qt only learns that xdg-open started; its exit status says whether the
    // desktop had a program to show the page, so the answer comes later.
    QObject* owner = window_ != nullptr ? static_cast<QObject*>(window_) : QCoreApplication::instance();
    auto* process = new QProcess(owner);
    const auto done = [this, process, target = path_or_address](bool opened) {
        if (!opened) message_box(unopened_page_message(target), "");
        process->deleteLater();
    };
    QObject::connect(process, &QProcess::finished, process,
                     [done](int code, QProcess::ExitStatus status) {
                         done(status == QProcess::NormalExit && code == 0);
                     });
    QObject::connect(process, &QProcess::errorOccurred, process, [done](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) done(false);
    });
    process->start(opener, {QString::fromUtf8(url.toEncoded())});
    return true;
}

void QtHost::print_window(Window window) {
    QWidget* shown = windows_.find(window);
    if (shown == nullptr) return;
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        message_box(msg_no_printer, "");
        return;
    }
    QPrinter printer(QPrinterInfo::defaultPrinter());
    const QPixmap shot = shown->grab();
    QPainter painter(&printer);
    const QRect page = painter.viewport();
    QSize size = shot.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(shot.rect());
    painter.drawPixmap(0, 0, shot);
}

void QtHost::show_window(Window window, bool shown) {
    windows_.show(window, shown);
}

void QtHost::show_modal(Window window) {
    if (window_ == nullptr) return;
    if (show_project_window(window, window_->form().project_dialogs(), window_)) return;
    if (window == Window::about) {
        AboutDialog about(*this, guide_folder(), window_);
        about.exec();
        return;
    }
    if (window == Window::build) {
        BuildWindow build(window_->form(), std::nullopt, window_);
        build.exec();
        return;
    }
    if (show_2d_window(window, *window_, windows_)) return;
    if (window == Window::lobes) {
        show_lobes_window(*window_, windows_);
        return;
    }
    if (window != Window::units) return;
    UnitsDialog dialog(window_->form().units_form(), window_);
    dialog.exec();
}

void QtHost::yield_to_interface() {
    // User input too: a run's "Abort" must be served while it draws; the
    // windows disable what would start a second run meanwhile.
    QCoreApplication::processEvents(QEventLoop::AllEvents, max_yield_ms);
}

}  // namespace welkin
