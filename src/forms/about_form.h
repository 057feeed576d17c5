// The About window's content: what the program is, its links and the
// system-information button.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "forms/help_links.h"

namespace welkin {

inline constexpr std::string_view about_title = "About Welkin";
inline constexpr std::string_view about_description =
    "A calculator for quadratic residue diffusers: well depths and widths, the usable "
    "frequency range, 2D panels, diffusion lobes and cutting lists.";
inline constexpr std::string_view about_licence =
    "Copyright \u00a9 2026 The Welkin authors. Free software under the MIT (Expat) licence, "
    "without warranty.";
inline constexpr std::string_view system_info_unavailable =
    "System Information Is Unavailable At This Time";

struct AboutLink {
    std::string_view caption;
    HelpPage page;
};

inline constexpr std::array<AboutLink, 6> about_links = {{
    {"&User guide", HelpPage::guide},
    {"&Product page", HelpPage::product},
    {"&Help", HelpPage::help},
    {"&Donate", HelpPage::donation},
    {"&Forum", HelpPage::forum},
    {"&Send feedback", HelpPage::feedback},
}};

// System-information tools of Linux desktops, the first found is started.
inline constexpr std::array<std::string_view, 4> system_info_tools = {
    "hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor"};

// The first tool for which `on_path` says yes.
std::optional<std::string> system_info_tool(
    const std::function<bool(std::string_view)>& on_path);

}  // namespace welkin
