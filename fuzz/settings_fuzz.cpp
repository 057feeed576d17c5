// Arbitrary bytes as a settings or project file: loading them and then
// recomputing never crashes and leaves a design the program can draw.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "forms/main_form.h"
#include "forms/settings_file.h"
#include "forms/startup.h"

namespace {

void require(bool ok, const char* rule) {
    if (ok) return;
    std::fprintf(stderr, "broken: %s\n", rule);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    welkin::QuietHost host;
    welkin::MainForm form(host);
    welkin::start_up(form);
    {
        const welkin::BusyScope busy(form);
        welkin::apply_settings(form, std::string_view(reinterpret_cast<const char*>(data), size));
    }
    form.recompute();
    const welkin::Design& d = form.design();
    require(welkin::is_panel_order(d.well_count), "well_count is a panel order");
    require(d.results_page >= 0 && d.results_page <= 3, "results_page is a page");
    require(d.side_shift >= 0 && d.side_shift < 101, "side_shift is bounded");
    require(d.wheel_shift >= 0 && d.wheel_shift < 101, "wheel_shift is bounded");
    return 0;
}
