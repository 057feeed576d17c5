// Shared pieces of the window tests: finding controls by objectName, typing
// into a field, a main window started as the program starts it, and a watch
// that fails a test on an unexpected modal dialog instead of hanging on it.
#pragma once

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/startup.h"
#include "ui/companion_windows.h"
#include "ui/main_window.h"
#include "ui/object_names.h"
#include "ui/qt_host.h"

namespace welkin {

template <typename T>
T* child(QWidget& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    if (found == nullptr) qFatal("no control %s", qPrintable(name));
    return found;
}

// A control by its name in ui/object_names; members of a control array by index.
template <typename T>
T* child(QWidget& window, Control control, int index = -1) {
    return child<T>(window, control_name(control, index));
}

inline QLineEdit* field(QWidget& window, Control control) {
    return child<QLineEdit>(window, control);
}

inline QAction* menu_item(QWidget& window, Control control) {
    return child<QAction>(window, control);
}


// Replaces a field's text by typing, as the user does.
inline void type_into(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

// Lets queued work (posted commits, repaints) run.
inline void settle() {
    QTest::qWait(20);
}

// While it lives, every modal dialog that comes up is offered to `answer`
// (which returns true when it dealt with it) and otherwise recorded and
// closed, so that a test fails on it rather than waiting for a click.
class DialogWatch {
public:
    using Answer = std::function<bool(QWidget&)>;
    explicit DialogWatch(Answer answer = {}) : answer_(std::move(answer)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start(10);
    }
    const QStringList& unexpected() const { return unexpected_; }

private:
    void look() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        if (answer_ && answer_(*modal)) return;
        const auto* box = qobject_cast<QMessageBox*>(modal);
        unexpected_ << (box != nullptr ? box->text() : modal->windowTitle());
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    }

    Answer answer_;
    QTimer timer_;
    QStringList unexpected_;
};

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

// The same over the real Qt host: message boxes and dialogs come up, and
// the window is active so that its menu shortcuts work.
struct LiveStarted {
    QtHost host;
    MainForm form{host};
    MainWindow window{form};
    explicit LiveStarted(const StartOptions& options = {}) {
        host.attach(&window);
        start_up(form, options);
        window.refresh();
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) qFatal("the main window did not become active");
    }
};

// The program as main() builds it: the main window over the Qt host, with
// its companion windows.
struct Program {
    QtHost host;
    MainForm form{host};
    MainWindow window{form};
    std::unique_ptr<CompanionWindows> companions;
    Program() {
        host.attach(&window);
        companions = std::make_unique<CompanionWindows>(window, host);
        start_up(form);
        window.refresh();
        window.show();
        companions->place_and_show();
        settle();
    }
};

}  // namespace welkin
