// Every link inside the user guide leads to a page of the guide, and to an
// anchor that page has.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "version.h"

namespace {

namespace fs = std::filesystem;

std::string read_all(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> captures(const std::string& text, const std::regex& pattern) {
    std::vector<std::string> out;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
         it != std::sregex_iterator(); ++it) {
        out.push_back((*it)[1].str());
    }
    return out;
}

struct Guide {
    std::map<std::string, std::string> pages;  // file name -> text
    explicit Guide(const fs::path& folder) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            pages[entry.path().filename().string()] = read_all(entry.path());
        }
    }
    std::set<std::string> anchors(const std::string& page) const {
        static const std::regex id(R"re(\sid="([^"]*)")re");
        const std::vector<std::string> ids = captures(pages.at(page), id);
        return {ids.begin(), ids.end()};
    }
    // Why the link does not resolve, or empty.
    std::string fault(const std::string& from, const std::string& href) const {
        if (href.find(':') != std::string::npos || href.starts_with("/"))
            return "leaves the guide";
        const std::size_t hash = href.find('#');
        const std::string file = hash == 0 ? from : href.substr(0, hash);
        if (!pages.contains(file)) return "no such page";
        if (hash == std::string::npos) return "";
        if (!anchors(file).contains(href.substr(hash + 1))) return "no such anchor";
        return "";
    }
};

TEST(GuideLinks, EveryLinkResolves) {
    const Guide guide(WELKIN_GUIDE_SOURCE);
    ASSERT_TRUE(guide.pages.contains("index.html"));
    static const std::regex href(R"re(href="([^"]*)")re");
    int links = 0;
    for (const auto& [name, text] : guide.pages) {
        for (const std::string& target : captures(text, href)) {
            ++links;
            EXPECT_EQ(guide.fault(name, target), "") << name << " -> " << target;
        }
    }
    EXPECT_GT(links, 50);
}

}  // namespace

namespace welkin {
namespace {

// The guide's page about the program states the version it belongs to;
// a new version must not ship with the old number there.
TEST(GuidePages, TheAboutPageNamesTheProgramsVersion) {
    const std::string text = read_all(fs::path(WELKIN_GUIDE_SOURCE) / "about.html");
    EXPECT_NE(text.find("Welkin version " + std::string(program_version) + "."), std::string::npos);
    EXPECT_NE(text.find("MIT licence"), std::string::npos);
}

}  // namespace
}  // namespace welkin
