#include "forms/about_form.h"

namespace welkin {

std::optional<std::string> system_info_tool(
    const std::function<bool(std::string_view)>& on_path) {
    for (const std::string_view tool : system_info_tools) {
        if (on_path(tool)) return std::string(tool);
    }
    return std::nullopt;
}

}  // namespace welkin
