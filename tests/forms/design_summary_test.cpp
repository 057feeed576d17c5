// The batch program's text summary of the factory design, worked by hand.
#include "forms/design_summary.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "fake_host.h"
#include "forms/main_form.h"
#include "forms/startup.h"

namespace welkin {
namespace {

std::map<std::string, std::string> lines_of(const std::string& text) {
    std::map<std::string, std::string> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        const auto colon = line.find(": ");
        out[line.substr(0, colon)] = colon == std::string::npos ? "" : line.substr(colon + 2);
    }
    return out;
}

TEST(DesignSummary, FactoryDesignByHand) {
    FakeHost host;
    MainForm form(host);
    start_up(form);
    const auto lines =
        lines_of(design_summary(form.shown(), {form.busy(), form.field_texts(), form.title()}));
    // N = 7, 600 Hz: half wavelength 172000 / 600 = 287 mm; wells i^2 mod 7.
    // Auto-wells: Int(1 + 2 x 287 / 7 - 3 fin) = 80 mm; panel 7 x (3 + 80) = 581 mm.
    // Cutoff Int(172000 / 80) = 2150 Hz; 344000 / 581 = 592 Hz is below 600 Hz,
    // so diffusion starts at 600 Hz and seating is Int(3 x 344000 / 600) = 1720 mm.
    const std::map<std::string, std::string> expected = {
        {"well_count", "7"},
        {"design_half_wavelength_mm", "287"},
        {"well_seq", "0,1,4,2,2,4,1,0"},
        {"fields.wells", "7"},
        {"fields.well_width", " 80"},
        {"fields.fin_width", "3"},
        {"well_width_mm", "80"},
        {"panel_width_mm", "581"},
        {"plate_freq_hz", "4200"},
        {"hf_cutoff_hz", "2150"},
        {"lowest_diffusion_hz", "600"},
        {"seating_distance_mm", "1720"},
        {"period_ok", "yes"},
        {"busy", "no"},
        {"labels.cutoffs", "Scatter 300 Hz   Diffuse 600 Hz   HF cutoff 2150 Hz"},
        {"labels.seating_distance", "Minimum distance to seating position  1.72m"},
        {"labels.well_width_caption", "Auto Well width in mm"},
        {"status", "Standard N7+0,0 Panel"},
        {"status_rgb", "128,128,128"},
        {"score_tiles", "115,164,110 115,164,110 115,164,110 115,164,110"},
    };
    for (const auto& [name, value] : expected) {
        ASSERT_TRUE(lines.count(name)) << name;
        EXPECT_EQ(lines.at(name), value) << name;
    }
}

}  // namespace
}  // namespace welkin
