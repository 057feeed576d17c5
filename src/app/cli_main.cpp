// welkin-cli: Welkin without a window, for scripts and headless machines.
#include <iostream>
#include <optional>
#include <string_view>

#include "app/console_host.h"
#include "core/main_form.h"
#include "persist/startup.h"
#include "reports/design_summary.h"
#include "units/imperial.h"
#include "units/numtext.h"

namespace {

constexpr std::string_view usage =
    "Usage: welkin-cli COMMAND\n"
    "\n"
    "Commands:\n"
    "  summary [PROJECT]\n"
    "            the design state, from the factory settings or a project file\n"
    "  convert TEXT\n"
    "            millimetres of a length typed in feet, inches and fractions\n"
    "            (6' 10 1/2) or in decimal inches (6.25)\n"
    "  format MM\n"
    "            a length in millimetres as feet-inches and as decimal inches\n";

// Starts from the factory settings and, given a project, loads it as the
// desktop program's command line does. False when the project would not load.
bool start_with(welkin::MainForm& form, const char* project) {
    welkin::start_up(form);
    if (project == nullptr) return true;
    const std::optional<welkin::ProjectPath> path = welkin::project_path(project);
    if (!path) {
        std::cerr << welkin::open_problem_message(project) << '\n';
        return false;
    }
    if (!welkin::open_project(form, path->path, path->file_name)) return false;
    form.Command1_Click();
    return true;
}

int run_summary(const char* project) {
    welkin::ConsoleHost host;
    welkin::MainForm form(host);
    if (!start_with(form, project)) return 1;
    std::cout << welkin::design_summary(form);
    return 0;
}

int run_convert(std::string_view text) {
    const welkin::ImperialParse parsed = welkin::parse_imperial(text);
    if (!parsed.measure_error.empty()) {
        std::cerr << parsed.measure_error << '\n';
        return 1;
    }
    std::cout << welkin::number_text(welkin::text_value(parsed.result)) << '\n';
    return 0;
}

int run_format(std::string_view mm) {
    const welkin::ImperialFormat formatted = welkin::format_imperial(mm);
    if (!formatted.measure_error.empty()) {
        std::cerr << formatted.measure_error << '\n';
        return 1;
    }
    std::cout << formatted.feet_inches << '\n' << formatted.decimal_inches << '\n';
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view command = argc > 1 ? argv[1] : "";
    if (command == "summary" && argc <= 3) return run_summary(argc == 3 ? argv[2] : nullptr);
    if (command == "convert" && argc == 3) return run_convert(argv[2]);
    if (command == "format" && argc == 3) return run_format(argv[2]);
    if (command == "--help" || command == "-h") {
        std::cout << usage;
        return 0;
    }
    std::cerr << usage;
    return 2;
}
