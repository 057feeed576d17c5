// The panel's cross-section: x in wells, 0 at the left end and N
// at the right; y in depth units, 0 at the front face, growing backwards.
#pragma once

#include <string>
#include <string_view>

#include "canvas/canvas.h"
#include "canvas/rgb.h"
#include "core/design.h"
#include "core/design_snapshot.h"
#include "core/naming.h"

namespace welkin {

inline constexpr std::string_view cross_section_tip = "Cross-section of QRD panel";

struct PanelColours {
    Rgb outline;
    Rgb well_fill;  // also the spokes of the phase wheel and the scatter rays
    Rgb half_well_fill;
};
inline constexpr PanelColours standard_panel_colours{
    {20, 108, 0}, {115, 164, 110}, {153, 186, 150}};
inline constexpr PanelColours inverse_panel_colours{{108, 81, 0}, {164, 149, 110}, {200, 179, 150}};
inline constexpr Rgb unused_depth_colour{187, 187, 187};
inline constexpr Rgb grid_colour{240, 240, 240};
inline constexpr Rgb cross_section_background = rgb_white;

const PanelColours& panel_colours(const Design& d);

// 0.5 when the panel is drawn moved left half a well so that a zero-depth
// first well splits into two half-wells, one at each end; else 0.
double half_well_offset(const DesignSnapshot& s);

// The drawing's height in depth units: N when stretched, else as many as
// vertical_scale_mm covers.
double cross_section_logical_height(const Design& d);

// The picture's width: the full width when stretched, else a fixed number
// of twips per millimetre of panel (N x (fin + well width as shown)) for
// the chosen scale.
double cross_section_width_twips(const Design& d, double panel_width_mm,
                                 double picture_full_width_twips);

void paint_cross_section(const DesignSnapshot& s, Canvas& canvas);

// The pointer tip over the drawing at logical x; empty when x names no well.
std::string well_tooltip(const DesignSnapshot& s, double x);

}  // namespace welkin
