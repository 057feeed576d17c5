// The Host of the batch program: messages go to standard error, questions
// are answered "No", and window operations do nothing.
#pragma once

#include <iostream>

#include "core/host.h"

namespace welkin {

class ConsoleHost final : public Host {
  public:
    void message_box(std::string_view text, std::string_view title) override {
        if (!title.empty()) std::cerr << title << ": ";
        std::cerr << text << '\n';
    }
    bool ask_yes_no(std::string_view, std::string_view) override { return false; }
    void focus_field(Field) override {}
    void copy_picture(Picture) override {}
    void open_with_shell(const std::string&) override {}
    void print_window(Window) override {}
    void show_window(Window, bool) override {}
    void yield_to_interface() override {}
};

}  // namespace welkin
