// The Host of the batch program: messages go to standard error, questions
// are answered "No", and window operations do nothing.
#pragma once

#include <iostream>

#include "forms/host.h"

namespace welkin {

class ConsoleHost final : public QuietHost {
public:
    void message_box(std::string_view text, std::string_view title) override {
        if (!title.empty()) std::cerr << title << ": ";
        std::cerr << text << '\n';
    }
};

}  // namespace welkin
