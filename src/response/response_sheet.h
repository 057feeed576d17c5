// The polar response sheet: on the left the polar plot of the design and
// its flat reference at one frequency, on the right the normalised
// diffusion coefficient per one-third octave with the usable range shaded,
// the current frequency marked and the band values listed under it.
// Logical size 1200 x 600, y downwards.
#pragma once

#include <string>
#include <vector>

#include "canvas/canvas.h"
#include "canvas/rgb.h"
#include "response/response_view.h"

namespace welkin {

inline constexpr double response_sheet_width = 1200;
inline constexpr double response_sheet_height = 600;

namespace response_colour {
inline constexpr Rgb design{0, 84, 166};
inline constexpr Rgb flat{150, 150, 150};
inline constexpr Rgb usable{214, 238, 214};
inline constexpr Rgb grid{222, 222, 222};
inline constexpr Rgb axis{90, 90, 90};
inline constexpr Rgb marker{200, 60, 40};
inline constexpr Rgb text{0, 0, 0};
}  // namespace response_colour

// The polar plot's range below the peak; quieter levels sit at the centre.
inline constexpr double polar_range_db = 40;

// A source this far from the normal or further is grazing, where the
// far-field model without edges is at its weakest.
inline constexpr double grazing_source_deg = 80;

// A line under the polar plot: the model's limits, or something about this
// sheet the reader must not miss (a warning, drawn in the marker's colour).
struct SheetNote {
    std::string text;
    bool warning = false;
};

// Which model drew the sheet, written over the plot and over the chart:
// "Far-field model", or the boundary elements with their distances.
std::string response_model_label(const ResponseView& view);

// The notes of a sheet, the model's limits first.
std::vector<SheetNote> response_notes(const ResponseView& view);

void paint_response_sheet(const ResponseView& view, Canvas& canvas);

// "1000 Hz, source at 0°, 4 panels side by side", the sheet's headline.
std::string response_headline(const ResponseView& view);

}  // namespace welkin
