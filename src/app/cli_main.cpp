// welkin-cli: Welkin without a window, for scripts and headless machines.
#include <iostream>
#include <string_view>

#include "app/console_host.h"
#include "core/main_form.h"
#include "persist/startup.h"
#include "reports/design_summary.h"

namespace {

constexpr std::string_view usage =
    "Usage: welkin-cli COMMAND\n"
    "\n"
    "Commands:\n"
    "  summary   start as Welkin does and print the design state\n";

int run_summary() {
    welkin::ConsoleHost host;
    welkin::MainForm form(host);
    welkin::start_up(form);
    std::cout << welkin::design_summary(form);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (command == "summary" && argc == 2) return run_summary();
    if (command == "--help" || command == "-h") {
        std::cout << usage;
        return 0;
    }
    std::cerr << usage;
    return 2;
}
