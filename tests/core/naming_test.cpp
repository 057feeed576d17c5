#include "core/naming.h"

#include <gtest/gtest.h>

namespace welkin {
namespace {

Design named(int n, int a, int s, bool inverse, bool advanced) {
    Design d;
    d.well_count = n;
    d.wheel_shift = a;
    d.side_shift = s;
    d.inverse_panel = inverse;
    d.advanced = advanced;
    return d;
}

TEST(PanelName, StatusAndCaptionForEveryKindOfPanel) {
    struct Row {
        const char* name;
        Design d;
        const char* status;
        const char* caption;
    };
    const Row rows[] = {
        {"advanced, both shifts", named(7, 2, 3, false, true),
         "Advanced N7+2,3 panel:    Shifted down 2 depth units and left 3 wells",
         "Advanced N7+2,3 QRD Diffuser"},
        {"advanced inverse, both shifts", named(7, 2, 3, true, true),
         "Advanced Inverse N7-2,3 panel:    Shifted up 2 depth units and left 3 wells",
         "Advanced Inverse N7-2,3 QRD Diffuser"},
        {"advanced, wheel only", named(7, 2, 0, false, true),
         "Advanced N7+2,0 panel:    Shifted down 2 depth units", "Advanced N7+2,0 QRD Diffuser"},
        {"advanced inverse, wheel only", named(7, 2, 0, true, true),
         "Advanced Inverse N7-2,0 panel:    Shifted up 2 depth units",
         "Advanced Inverse N7-2,0 QRD Diffuser"},
        {"standard, side shift only", named(7, 0, 3, false, false),
         "Standard N7+0,3 panel:    Shifted left 3 wells", "Standard N7+0,3 QRD Diffuser"},
        {"inverse, side shift only", named(7, 0, 3, true, false),
         "Inverse N7-0,3 panel:    shifted left 3 wells", "Inverse N7-0,3 QRD Diffuser"},
        {"standard, no shift", named(7, 0, 0, false, false), "Standard N7+0,0 Panel",
         "Standard N7+0,0 QRD Diffuser"},
        {"inverse, no shift", named(7, 0, 0, true, false), "Inverse N7-0,0 Panel",
         "Inverse N7-0,0 QRD Diffuser"},
        {"advanced without a wheel shift names it as usual", named(7, 0, 3, false, true),
         "Standard N7+0,3 panel:    Shifted left 3 wells", "Standard N7+0,3 QRD Diffuser"},
        {"a wheel shift outside advanced mode shows in the code", named(7, 2, 0, false, false),
         "Standard N7+2,0 Panel", "Standard N7+2,0 QRD Diffuser"},
        {"numbers of several digits carry no padding", named(101, 37, 12, false, true),
         "Advanced N101+37,12 panel:    Shifted down 37 depth units and left 12 wells",
         "Advanced N101+37,12 QRD Diffuser"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const PanelName name = panel_name(row.d);
        EXPECT_EQ(name.status, row.status);
        EXPECT_EQ(name.caption_start, row.caption);
    }
}

TEST(FrontviewCaption, AddsTheDesignFrequencyAsTheFieldShowsIt) {
    const PanelName standard = panel_name(named(7, 0, 0, false, false));
    EXPECT_EQ(frontview_caption(standard, "600"),
              "Standard N7+0,0 QRD Diffuser     Design Frequency 600Hz  ");
    EXPECT_EQ(frontview_caption(standard, " 499"),
              "Standard N7+0,0 QRD Diffuser     Design Frequency 499Hz  ");
}

}  // namespace
}  // namespace welkin
