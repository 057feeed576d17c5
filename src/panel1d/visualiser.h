// The visualiser's front view: one to three copies of the panel side by
// side, each well coloured by its depth, drawn in the picture's own units
// (twips, 15 to a pixel).
#pragma once

#include <string>
#include <string_view>

#include "canvas/canvas.h"
#include "canvas/rgb.h"
#include "core/design.h"
#include "core/design_snapshot.h"

namespace welkin {

struct ArrangementInfo {
    std::string_view caption;  // the menu item's caption, also in the window's caption
    int panels;                // P
    int inverted_copy;         // J: which copy is drawn inverted, 0 for none
};

ArrangementInfo arrangement_info(Arrangement a);

struct WellColours {
    Rgb base;    // B, the face of the shallowest well
    double dark; // k: the deepest face is k x B
    Rgb fin;
};

struct SchemeColours {
    std::string_view caption;  // the menu item's caption
    WellColours wells;
    Rgb separator;  // the joint between two copies
    Rgb frame;
};

SchemeColours scheme_colours(ColourScheme c);

// The colours of a copy that is highlighted as a true inverse.
WellColours highlight_colours();

// Whether copy p (1 to P) is highlighted: a true inverse of the standard panel.
bool copy_highlighted(const Design& d, int copy);

// The total width of the copies shown, with one extra fin each, in mm.
double visualiser_total_width_mm(const Design& d);

// What the window's caption adds to the panel's name: the arrangement, the
// total width in the unit mode in force, and the program's version.
std::string visualiser_caption_suffix(const Design& d, std::string_view version);

// Draws the front view on the whole canvas; with "Show Visualizer"
// unchecked it only clears it.
void paint_front_view(const DesignSnapshot& s, Canvas& canvas);

}  // namespace welkin
