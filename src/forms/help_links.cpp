#include "forms/help_links.h"

namespace welkin {

std::string help_target(HelpPage page, const std::filesystem::path& guide_folder) {
    for (const HelpLink& link : help_links) {
        if (link.page != page) continue;
        if (!link.address.empty()) return std::string(link.address);
        return (guide_folder / link.guide_file).string();
    }
    return (guide_folder / help_links[0].guide_file).string();
}

std::string unopened_page_message(const std::string& target) {
    return "Welkin could not open " + target +
           ": no program on this desktop is set to show it. You can open it yourself.";
}

void open_help(Host& host, HelpPage page, const std::filesystem::path& guide_folder) {
    const std::string target = help_target(page, guide_folder);
    if (!host.open_with_shell(target)) host.message_box(unopened_page_message(target), "");
}

}  // namespace welkin
