// Every page the program opens for the user, and every web or e-mail
// address it knows. An address left empty opens the offline guide's page
// on the same subject instead, so no link leads nowhere.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "forms/host.h"

namespace welkin {

enum class HelpPage {
    guide,            // the user guide's start page
    period_width,     // the scorecard's four tests
    viscous_limit,
    plate_frequency,
    true_diffusion,
    product,          // the About window's links
    help,
    donation,
    forum,
    feedback,
    polar_response    // the polar response window's Help
};

struct HelpLink {
    HelpPage page;
    std::string_view guide_file;  // in the guide folder, with "#section" to open at one
    std::string_view address;     // web page or mailto:, empty when there is none
};

// The one table of links. Welkin has no web site or mailbox of its own yet:
// set an address here and every window's link follows it.
inline constexpr std::array<HelpLink, 11> help_links = {{
    {HelpPage::guide, "index.html", ""},
    {HelpPage::period_width, "period-width.html", ""},
    {HelpPage::viscous_limit, "viscous-limit.html", ""},
    {HelpPage::plate_frequency, "plate-frequency.html", ""},
    {HelpPage::true_diffusion, "usable-range.html#true-diffusion", ""},
    {HelpPage::product, "about.html", ""},
    {HelpPage::help, "help.html", ""},
    {HelpPage::donation, "support.html", ""},
    {HelpPage::forum, "community.html", ""},
    {HelpPage::feedback, "feedback.html", ""},
    {HelpPage::polar_response, "polar-response.html", ""},
}};

// The address a link opens: its configured address, or its guide page.
std::string help_target(HelpPage page, const std::filesystem::path& guide_folder);

// Opens the page through the shell; when the desktop has nothing to open it
// with, says so, naming the page, so that the user can open it by hand.
void open_help(Host& host, HelpPage page, const std::filesystem::path& guide_folder);

// "Welkin could not open <target>: ..."
std::string unopened_page_message(const std::string& target);

}  // namespace welkin
