// welkin: the desktop program.
#include <QApplication>

#include "core/main_form.h"
#include "persist/startup.h"
#include "ui/main_window.h"
#include "ui/qt_host.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Welkin"));

    welkin::QtHost host;
    welkin::MainForm form(host);
    welkin::MainWindow window(form);
    host.attach(&window);

    welkin::start_up(form);
    window.refresh();
    window.show();
    return QApplication::exec();
}
