#include "panel1d/visualiser.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "units/length_text.h"
#include "units/numtext.h"

namespace welkin {

namespace {

constexpr double margin = 100;          // M, twips
constexpr double band_gap = 5;          // between a depth band and the next fin
constexpr double separator_width = 30;  // the joint between two copies
constexpr Rgb background = rgb_white;

constexpr std::array<ArrangementInfo, 6> arrangements = {{
    {"One Panel: As shown on main form", 1, 0},
    {"Two Panels: Both as shown on main form", 2, 0},
    {"Two Panels: One as shown on main form, the other as it's Inverse ", 2, 2},
    {"Three Panels: All as shown on main form", 3, 0},
    {"Three Panels: 1st and 3rd as shown on main form, middle panel as their inverse", 3, 2},
    {"Three Panels: Normal, Normal, Inverse  - as per Barker Code", 3, 3},
}};

// In the order of ColourScheme. Kit Kat's separator is given with a red of
// 256, which the colour function clamps.
constexpr std::array<SchemeColours, 4> schemes = {{
    {"Kit Kat", {{196, 124, 105}, 0.3, {200, 150, 125}}, {256, 200, 200}, {128, 80, 72}},
    {"Arizona Sunset", {{255, 155, 0}, 0.3, {130, 70, 55}}, {255, 255, 255}, {128, 80, 72}},
    {"The Blues", {{150, 200, 255}, 0.3, {0, 0, 80}}, {230, 230, 230}, {90, 130, 180}},
    {"Welkin Green", {{110, 180, 110}, 0.3, {0, 80, 0}}, {255, 255, 255}, {166, 104, 94}},
}};

constexpr WellColours highlight{{242, 211, 157}, 0.4, {100, 50, 35}};

int component(double v) {
    return static_cast<int>(std::clamp(round_half_even(v), 0.0, 255.0));
}

Rgb colour(double r, double g, double b) {
    return {component(r), component(g), component(b)};
}

// The face F of a well d depth units deep: from B towards k x B.
std::array<double, 3> face(const WellColours& c, int d, int n) {
    const std::array<double, 3> b = {static_cast<double>(c.base.r), static_cast<double>(c.base.g),
                                     static_cast<double>(c.base.b)};
    std::array<double, 3> f{};
    for (std::size_t i = 0; i < 3; ++i) f[i] = b[i] + (d + 1) * (c.dark * b[i] - b[i]) / n;
    return f;
}

void paint_copy(const DesignSnapshot& s, int copy, double pitch, double h, Canvas& canvas) {
    const Design& d = s.design;
    const int n = d.well_count;
    const ArrangementInfo a = arrangement_info(d.visualiser.arrangement);
    const WellColours c =
        copy_highlighted(d, copy) ? highlight : scheme_colours(d.visualiser.colours).wells;
    const double first = margin + pitch * n * (copy - 1);
    for (int i = 0; i < n; ++i) {
        int depth = s.sequence.at(i);
        if (copy == a.inverted_copy) depth = n - depth;
        const std::array<double, 3> f = face(c, depth, n);
        const double x = first + pitch * i;
        canvas.fill_box(x, 0, x + pitch, h, colour(f[0], f[1], f[2]));
        const double band = margin + 1 + int_floor((h - 2 * margin) * depth / n / 4);
        const double shade = static_cast<double>(n - depth) / n;
        canvas.fill_box(x, 0, x + pitch - band_gap, band,
                        colour(shade * f[0], shade * f[1], shade * f[2]));
    }
    const Rgb separator = scheme_colours(d.visualiser.colours).separator;
    for (int i = 0; i <= n; ++i) {
        const double x = first + pitch * i;
        canvas.line(x, 0, x, h, c.fin);
        if (i == 0 && copy > 1) {
            canvas.fill_box(x, 0, x + separator_width, h,
                            colour(separator.r, separator.g, separator.b));
        }
    }
}

}  // namespace

ArrangementInfo arrangement_info(Arrangement a) {
    return arrangements[static_cast<std::size_t>(a)];
}

SchemeColours scheme_colours(ColourScheme c) {
    return schemes[static_cast<std::size_t>(c)];
}

WellColours highlight_colours() {
    return highlight;
}

bool copy_highlighted(const Design& d, int copy) {
    if (!d.visualiser.highlight_inverse) return false;
    const int j = arrangement_info(d.visualiser.arrangement).inverted_copy;
    return d.inverse_panel ? copy != j : copy == j;
}

double visualiser_total_width_mm(const Design& d) {
    const int panels = arrangement_info(d.visualiser.arrangement).panels;
    return panels * (d.well_count * (d.fin_width_mm + d.well_width_mm) + d.fin_width_mm);
}

std::string visualiser_caption_suffix(const Design& d, std::string_view version) {
    const double total = visualiser_total_width_mm(d);
    std::string s = "    ";
    s += arrangement_info(d.visualiser.arrangement).caption;
    s += "       Total width: ";
    s += length_words(total, d.unit_mode);
    s += d.unit_mode == UnitMode::metric ? " mm plus Borders" : " inches plus Borders";
    s += "        ALT-Tab for Main Form         Welkin V";
    s += version;
    return s;
}

void paint_front_view(const DesignSnapshot& s, Canvas& canvas) {
    const Design& d = s.design;
    canvas.clear(background);
    if (!d.visualiser.shown) return;
    const double w = canvas.width_twips();
    const double h = canvas.height_twips();
    canvas.set_scale(0, 0, w, h);
    canvas.set_pen_width(1);
    const int n = d.well_count;
    if (n < 1 || n > max_well_count) return;
    const int panels = arrangement_info(d.visualiser.arrangement).panels;
    const double pitch = int_floor((w - 2 * margin) / n) / panels;
    for (int p = 1; p <= panels; ++p) paint_copy(s, p, pitch, h, canvas);

    // The frame's four bands, drawn last over the wells' ends.
    const Rgb frame = scheme_colours(d.visualiser.colours).frame;
    canvas.fill_box(0, 0, margin, h, frame);
    canvas.fill_box(0, 0, w, margin, frame);
    canvas.fill_box(w - 2 * margin, 0, w, h, frame);
    canvas.fill_box(0, h - 2 * margin, w, h, frame);
}

}  // namespace welkin
