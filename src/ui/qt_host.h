// The Host over Qt: message boxes, focus, the clipboard, the desktop's
// default applications, the printer and the program's other windows.
#pragma once

#include <QString>
#include <QUrl>

#include "forms/host.h"
#include "ui/window_registry.h"

namespace welkin {

class MainWindow;

// What the desktop is asked to open for a target: a file, a file at a
// section ("page.html#section"), or a web or e-mail address.
QUrl shell_url(const QString& target);

class QtHost final : public Host {
public:
    // The main window is created after the model it shows, so it is
    // attached once it exists; it is also registered as Window::main.
    void attach(MainWindow* window);
    // The modeless windows the forms show and hide register here.
    WindowRegistry& windows() { return windows_; }

    void message_box(std::string_view text, std::string_view title) override;
    bool ask_yes_no(std::string_view text, std::string_view title) override;
    void focus_field(Field field) override;
    void copy_picture(Picture picture) override;
    void copy_picture_2d(Picture2d picture) override;
    // Through xdg-open where there is one: true once it has started, and a
    // message naming the page when it then finds no program to show it.
    bool open_with_shell(const std::string& path_or_address) override;
    void print_window(Window window) override;
    void show_window(Window window, bool shown) override;
    void show_modal(Window window) override;
    void yield_to_interface() override;

private:
    MainWindow* window_ = nullptr;
    WindowRegistry windows_;
};

}  // namespace welkin
