#include "build/sheet_drawing.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "build/build_texts.h"
#include "build/workshop_text.h"

namespace welkin {

namespace {

constexpr double line_mm = 5;
constexpr double body_pt = 9;
constexpr double small_pt = 6;
constexpr Rgb dimension_blue{40, 70, 160};

// What goes in each well, row-major like the design: the block's label, or
// where its bottom goes, in whole millimetres from the face, as all the
// bottoms are one part.
std::vector<std::string> well_labels(const BuildPlan& plan) {
    std::vector<std::string> out(static_cast<std::size_t>(plan.design.cells()));
    for (const Part& p : plan.parts) {
        if (p.is_fin()) continue;
        for (const Placement& at : p.places) {
            const int row = plan.design.two_d ? at.row - 1 : 0;
            out[static_cast<std::size_t>(row * plan.design.n + at.column - 1)] =
                p.kind == PartKind::bottom ? workshop_number(at.depth_mm, 0) : p.label;
        }
    }
    return out;
}

// A dimension line with its ticks and the length written beside it.
void dimension(Canvas& c, double x1, double y1, double x2, double y2, double mm) {
    c.line(x1, y1, x2, y2, dimension_blue);
    const bool across = y1 == y2;
    for (const auto& [x, y] : {std::pair{x1, y1}, std::pair{x2, y2}}) {
        if (across)
            c.line(x, y - 1.5, x, y + 1.5, dimension_blue);
        else
            c.line(x - 1.5, y, x + 1.5, y, dimension_blue);
    }
    const std::string text = workshop_mm(mm) + " mm";
    if (across)
        c.text((x1 + x2) / 2 - 6, y1 + 1, text, small_pt + 1, dimension_blue);
    else
        c.text(x1 + 2, (y1 + y2) / 2 - 1.5, text, small_pt + 1, dimension_blue);
}

// Across the wells, how far each column reaches from the back.
struct Column {
    double from = 0;
    double to = 0;
    double height = 0;
    int well = -1;
};

std::vector<Column> columns_1d(const BuildPlan& plan) {
    const BuildDesign& d = plan.design;
    const SolidHeights h = solid_heights(d, plan.options);
    const double p = d.panel_width_mm / d.n;
    std::vector<Column> out;
    for (int i = 0; i <= d.n; ++i) {
        if (d.fin_width_mm > 0) out.push_back({i * p, i * p + d.fin_width_mm, h.fins_mm, -1});
        if (i < d.n)
            out.push_back(
                {i * p + d.fin_width_mm, (i + 1) * p, h.wells_mm[static_cast<std::size_t>(i)], i});
    }
    return out;
}

// The end of a 1D panel: back at the bottom, wells open upwards, each
// well's part and number under it.
double profile_1d(const BuildPlan& plan, const SheetArea& a, double scale, Canvas& c) {
    const double back = a.top + plan.size.depth_mm * scale;
    const std::vector<std::string> labels = well_labels(plan);
    const bool hollow = plan.options.construction == Construction::fins;
    const double bottom = plan.design.fin_width_mm * scale;
    for (const Column& col : columns_1d(plan)) {
        const double x0 = a.left + col.from * scale;
        const double x1 = a.left + col.to * scale;
        // A hollow build's well has only its bottom board, at the top of its column.
        const double y0 = back - col.height * scale;
        const double y1 = hollow && col.well >= 0 ? y0 + bottom : back;
        if (col.height > 0) c.fill_box(x0, y0, x1, y1, col.well < 0 ? sheet_fin : sheet_piece);
        if (col.well < 0) continue;
        const auto at = static_cast<std::size_t>(col.well);
        c.text(x0, back + 1, std::to_string(col.well + 1), small_pt, rgb_black);
        c.text(x0, back + 4, labels[at], small_pt, rgb_black);
    }
    c.box(a.left, a.top, a.left + plan.size.width_mm * scale, back, rgb_status_grey);
    dimension(c, a.left, back + 9, a.left + plan.size.width_mm * scale, back + 9,
              plan.size.width_mm);
    dimension(c, a.left + plan.size.width_mm * scale + 3, a.top,
              a.left + plan.size.width_mm * scale + 3, back, plan.size.depth_mm);
    return back + 14;
}

// A 2D panel from the front, front row at the bottom: each cell shaded by
// its height and marked with its part.
double map_2d(const BuildPlan& plan, const SheetArea& a, double scale, Canvas& c) {
    const BuildDesign& d = plan.design;
    const double side = plan.size.width_mm;
    const double bottom = a.top + side * scale;
    c.fill_box(a.left, a.top, a.left + side * scale, bottom,
               d.fin_width_mm > 0 ? sheet_fin : rgb_white);
    const SolidHeights h = solid_heights(d, plan.options);
    const std::vector<std::string> labels = well_labels(plan);
    const double p = d.panel_width_mm / d.n * scale;
    const double w = p - d.fin_width_mm * scale;
    for (int i = 0; i < d.cells(); ++i) {
        const double x0 = a.left + d.fin_width_mm * scale + d.column_of(i) * p;
        const double y1 = bottom - d.fin_width_mm * scale - d.row_of(i) * p;
        const int shade = 245 - static_cast<int>(110 * h.wells_mm[static_cast<std::size_t>(i)] /
                                                 std::max(1.0, h.fins_mm));
        c.fill_box(x0, y1 - w, x0 + w, y1, {shade, shade - 12, shade - 40});
        if (w >= 4)
            c.text(x0 + 0.3, y1 - w + 0.3, labels[static_cast<std::size_t>(i)],
                   std::min(small_pt, w * 1.2), rgb_black);
    }
    c.box(a.left, a.top, a.left + side * scale, bottom, rgb_black);
    c.text(a.left, bottom + 1, "front row (row 1) at the bottom, column 1 on the left", small_pt,
           rgb_black);
    dimension(c, a.left, bottom + 8, a.left + side * scale, bottom + 8, side);
    dimension(c, a.left + side * scale + 3, a.top, a.left + side * scale + 3, bottom, side);
    return bottom + 14;
}

// The 1D end view keeps to a third of the drawing's height; the 2D map
// takes all but room for its dimensions and notes.
double overview_scale(const BuildPlan& plan, const SheetArea& a) {
    const double wide = a.right - a.left - 30;
    const double high = a.bottom - a.top - 25;
    if (plan.design.two_d) return drawing_scale(std::min(wide, high), plan.size.width_mm);
    return std::min(drawing_scale(wide, plan.size.width_mm),
                    drawing_scale(high / 3, plan.size.depth_mm));
}

}  // namespace

double drawing_scale(double paper_mm, double real_mm) {
    if (!(paper_mm > 0) || !(real_mm > 0)) return 1;
    return 1 / std::ceil(real_mm / paper_mm);
}

void paint_overview(const BuildPlan& plan, const SheetArea& a, Canvas& c) {
    c.text(a.left, a.top, "Welkin build sheet: " + plan_heading(plan), 14, rgb_black);
    double y = a.top + 2 * line_mm;
    std::vector<std::string> lines = {
        "Panel " + size_text(plan.size.width_mm, plan.size.height_mm, plan.size.depth_mm) + ", " +
            std::to_string(plan.piece_count) + " pieces in " + std::to_string(plan.parts.size()) +
            " parts",
        material_line(plan),
        "Solid volume of the assembled panel " + workshop_number(plan.solid_m3, 4) + " m3"};
    for (const StockPlan& s : plan.stock) lines.push_back(stock_line(s));
    for (const std::string& line : lines) {
        c.text(a.left, y, line, body_pt, rgb_black);
        y += line_mm;
    }
    y += line_mm;
    const SheetArea drawing{a.left, y + line_mm + 2, a.right, a.bottom};
    const double scale = overview_scale(plan, drawing);
    c.text(
        a.left, y,
        (plan.design.two_d ? "Assembly map, from the front, 1:" : "End view and assembly map, 1:") +
            workshop_number(1 / scale, 0),
        body_pt + 1, rgb_black);
    y = plan.design.two_d ? map_2d(plan, drawing, scale, c) : profile_1d(plan, drawing, scale, c);
    c.text(a.left, y,
           plan.options.construction == Construction::fins
               ? "Each well shows how deep its bottom (W) sits below the face, in mm."
               : "Each well shows the block (B) that fills it; fins are F.",
           small_pt + 1, rgb_black);
}

}  // namespace welkin
