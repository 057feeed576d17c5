// The lobes picture's fixed oblique 3-D view and its colours, and the parts
// of a run drawn before the lobes: edges, legend, floor bands and markers.
//
// Frequency runs along x (f_period at 0, the HF cutoff at 1000), y across
// the panel, z up from its surface; the lobe semicircles have radius 100.
#pragma once

#include <string_view>

#include "canvas/canvas.h"
#include "lobes/lobe_analysis.h"

namespace welkin {

// The picture's logical size, whatever its size on the device.
inline constexpr double lobes_picture_width = 2500;
inline constexpr double lobes_picture_height = 1200;

struct Point3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

struct PicturePoint {
    double x = 0;
    double y = 0;
};

// Higher frequencies lie to the right and higher up; +y goes left and up.
inline PicturePoint project_3d(Point3 p) {
    return {p.x + 400 - 2 * p.y, 600 - (0.3 * p.x + 0.9 * p.y + 2 * p.z)};
}

inline void line_3d(Canvas& canvas, Point3 a, Point3 b, Rgb colour) {
    const PicturePoint pa = project_3d(a);
    const PicturePoint pb = project_3d(b);
    canvas.line(pa.x, pa.y, pb.x, pb.y, colour);
}

// A line whose ends meet: one dot of the current pen width.
inline void dot_3d(Canvas& canvas, Point3 p, Rgb colour) {
    line_3d(canvas, p, p, colour);
}

namespace lobe_colour {
inline constexpr Rgb edge{230, 230, 230};  // picture edges, axis, markers
inline constexpr Rgb floor_lobes{228, 229, 221};
inline constexpr Rgb floor_early{179, 180, 217};  // lobes below f_period
inline constexpr Rgb floor_outline{76, 76, 76};
inline constexpr Rgb diffusion{207, 225, 210};
inline constexpr Rgb scattering{246, 238, 154};
inline constexpr Rgb above_cutoff{220, 205, 205};
inline constexpr Rgb true_marker{213, 176, 176};
inline constexpr Rgb specular{204, 210, 170};
inline constexpr Rgb tip{128, 128, 128};
inline constexpr Rgb slice{200, 200, 200};
inline constexpr Rgb signal_tick{252, 178, 0};
inline constexpr Rgb text{55, 106, 240};
inline constexpr Rgb background{255, 255, 255};
}  // namespace lobe_colour

// Lobe order m's colour, the same for -m and +m.
Rgb order_colour(int m);

// The frequency axis of the run.
inline double axis_x(const LobeAnalysis& a, double f_hz) {
    return a.x_offset + a.x_per_hz * f_hz;
}

// A run's first drawing: the cleared picture with its two edge lines, pen 2.
void clear_lobes_picture(Canvas& canvas);
// The explorer's colour key at the top left.
void draw_explorer_legend(Canvas& canvas, double point_size);
// The axis line and the floor bands, swept from the lowest frequency up.
void draw_floor_bands(Canvas& canvas, const LobeAnalysis& a);
// The floor outline, frequency markers and true diffusion markers.
void draw_markers(Canvas& canvas, const LobeAnalysis& a, double point_size);

}  // namespace welkin
