// A Host that records what the form models ask of the world.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "forms/host.h"

namespace welkin {

class FakeHost final : public QuietHost {
public:
    struct Message {
        std::string text;
        std::string title;
    };
    std::vector<Message> messages;
    std::vector<Field> focused;
    std::vector<Picture> copied;
    std::vector<Window> printed;
    std::vector<std::string> opened;
    std::vector<std::pair<Window, bool>> shown;
    bool answer_yes = false;
    bool desktop_opens_pages = true;
    std::vector<std::string> asked;
    // What the user does while a dialog is up.
    std::function<void(Window)> in_dialog;

    void message_box(std::string_view text, std::string_view title) override {
        messages.push_back({std::string(text), std::string(title)});
    }
    bool ask_yes_no(std::string_view text, std::string_view) override {
        asked.emplace_back(text);
        return answer_yes;
    }
    void focus_field(Field field) override { focused.push_back(field); }
    void copy_picture(Picture picture) override { copied.push_back(picture); }
    void print_window(Window window) override { printed.push_back(window); }
    bool open_with_shell(const std::string& path) override {
        opened.push_back(path);
        return desktop_opens_pages;
    }
    void show_window(Window window, bool visible) override { shown.emplace_back(window, visible); }
    void show_modal(Window window) override {
        if (in_dialog) in_dialog(window);
    }
};

}  // namespace welkin
