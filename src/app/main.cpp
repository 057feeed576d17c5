// welkin: the desktop program.
#include <QApplication>
#include <QIcon>

#include "forms/main_form.h"
#include "forms/startup.h"
#include "persist/app_folder.h"
#include "response/bem/blas_kernels.h"
#include "ui/companion_windows.h"
#include "ui/main_window.h"
#include "ui/qt_host.h"
#include "ui/stall_probe.h"

int main(int argc, char** argv) {
    welkin::bem::restart_with_newer_blas_kernels(argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Welkin"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/welkin.svg")));
    // Lets a Wayland compositor match the windows to the menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("welkin"));

    welkin::QtHost host;
    welkin::MainForm form(host);
    welkin::MainWindow window(form);
    host.attach(&window);
    welkin::CompanionWindows companions(window, host);

    welkin::StartOptions options;
    options.app_folder = welkin::app_folder().string();
    options.settings_path = welkin::settings_path().string();
    // One argument: the project to open.
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) options.project = args.at(1).toStdString();
    welkin::start_up(form, options);
    window.refresh();
    window.show();
    companions.place_and_show();
    welkin::start_stall_probe_from_environment(app);
    return QApplication::exec();
}
