#include "forms/main_form_offscreen.h"

#include <string_view>
#include <utility>

#include "forms/host.h"
#include "forms/main_form.h"
#include "forms/project_binding.h"
#include "forms/startup.h"

namespace welkin {

namespace {

constexpr std::string_view incomplete_text = "not a whole project file";

}  // namespace

Result<PinnedDesign> design_of(const ProjectSettings& settings, std::string name) {
    if (!settings.complete()) return Result<PinnedDesign>::failure(std::string(incomplete_text));
    QuietHost host;
    MainForm form(host);
    start_up(form);
    {
        const BusyScope busy(form);
        load_settings(form, settings);
    }
    form.recompute();
    if (!form.files().load_ok || form.shown().refused)
        return Result<PinnedDesign>::failure(form.shown().status_text);
    return PinnedDesign{std::move(name), form.snapshot()};
}

}  // namespace welkin
