// Arbitrary bytes as a settings or project file: reading them gives settings
// that write back as a whole file, and loading them and then recomputing
// never crashes and leaves a design the program can draw.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "forms/main_form.h"
#include "forms/project_binding.h"
#include "forms/startup.h"

namespace {

void require(bool ok, const char* rule) {
    if (ok) return;
    std::fprintf(stderr, "broken: %s\n", rule);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const welkin::ProjectSettings settings = welkin::parse_project(bytes);
    const std::string written = welkin::write_project(settings);
    // welkin.ini's build choices follow the project's lines when there are any.
    const int lines = welkin::project_line::count + (settings.build_choices.empty() ? 0 : 1);
    require(welkin::parse_project(written).lines_read == lines, "a written file has every line");
    require(written.size() >= 2 && written.substr(written.size() - 2) == "\r\n",
            "a written file ends its last line");

    welkin::QuietHost host;
    welkin::MainForm form(host);
    welkin::start_up(form);
    {
        const welkin::BusyScope busy(form);
        welkin::load_settings(form, settings);
    }
    require(form.files().load_ok == settings.complete(), "a file loads when it is complete");
    form.recompute();
    const welkin::Design& d = form.design();
    require(welkin::is_panel_order(d.well_count), "well_count is a panel order");
    const int page = form.results_table().page();
    require(page >= 0 && page <= 3, "results_page is a page");
    require(d.side_shift >= 0 && d.side_shift < 101, "side_shift is bounded");
    require(d.wheel_shift >= 0 && d.wheel_shift < 101, "wheel_shift is bounded");
    return 0;
}
