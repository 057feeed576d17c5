// A Host that records what the form models ask of the world.
#pragma once

#include <string>
#include <vector>

#include "core/host.h"

namespace welkin {

class FakeHost final : public Host {
public:
    struct Message {
        std::string text;
        std::string title;
    };

    std::vector<Message> messages;
    std::vector<Message> questions;
    std::vector<Field> focused;
    std::vector<Picture> copied;
    std::vector<std::string> opened;
    std::vector<Window> printed;
    bool answer_yes = false;

    void message_box(std::string_view text, std::string_view title) override {
        messages.push_back({std::string(text), std::string(title)});
    }
    bool ask_yes_no(std::string_view text, std::string_view title) override {
        questions.push_back({std::string(text), std::string(title)});
        return answer_yes;
    }
    void focus_field(Field field) override { focused.push_back(field); }
    void copy_picture(Picture picture) override { copied.push_back(picture); }
    void open_with_shell(const std::string& target) override { opened.push_back(target); }
    void print_window(Window window) override { printed.push_back(window); }
    void show_window(Window, bool) override {}
    void yield_to_interface() override {}
};

}  // namespace welkin
