// How the form models reach the world outside the model: message boxes,
// focus, the clipboard, the shell, the printer and the other windows.
// The Qt program implements it with real widgets; tests record the calls.
#pragma once

#include <string>
#include <string_view>

#include "core/design_fields.h"
#include "panel1d/picture.h"
#include "panel2d/panel2d_picture.h"

namespace welkin {

// Windows other than the main one that handlers show, hide or print.
enum class Window {
    main,
    scorecard,
    frontview,
    units,
    about,
    open_project,
    save_project_as,
    create_folder,
    panel_2d,
    fullscreen_2d,
    lobes,
    response,
    build,
    compare
};

class Host {
public:
    virtual ~Host() = default;

    // A message box with an OK button; an empty title leaves the default.
    virtual void message_box(std::string_view text, std::string_view title) = 0;
    // A question with Yes and No buttons; true for Yes.
    virtual bool ask_yes_no(std::string_view text, std::string_view title) = 0;
    // Put the input focus into one of the main window's fields.
    virtual void focus_field(Field field) = 0;
    // Clear the clipboard and place the picture's current image on it.
    virtual void copy_picture(Picture picture) = 0;
    // The same for one of the 2D window's pictures.
    virtual void copy_picture_2d(Picture2d picture) = 0;
    // Open a file (a path, which may end in "#section") or a web page with
    // the user's default application. False when the desktop has no
    // program to open it with.
    virtual bool open_with_shell(const std::string& path_or_address) = 0;
    // Print a window as it is shown, on the default printer.
    virtual void print_window(Window window) = 0;
    // Show or hide a modeless window.
    virtual void show_window(Window window, bool shown) = 0;
    // Show a dialog window and return when the user has closed it.
    virtual void show_modal(Window window) = 0;
    // Let the interface process pending events during a long drawing.
    virtual void yield_to_interface() = 0;
};

// A Host that does nothing and answers "No": the base of hosts that only
// care about a few of the calls, such as the batch program's.
class QuietHost : public Host {
public:
    void message_box(std::string_view, std::string_view) override {}
    bool ask_yes_no(std::string_view, std::string_view) override { return false; }
    void focus_field(Field) override {}
    void copy_picture(Picture) override {}
    void copy_picture_2d(Picture2d) override {}
    bool open_with_shell(const std::string&) override { return true; }
    void print_window(Window) override {}
    void show_window(Window, bool) override {}
    void show_modal(Window) override {}
    void yield_to_interface() override {}
};

}  // namespace welkin
