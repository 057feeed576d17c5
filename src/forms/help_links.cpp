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

void open_help(Host& host, HelpPage page, const std::filesystem::path& guide_folder) {
    host.open_with_shell(help_target(page, guide_folder));
}

}  // namespace welkin
