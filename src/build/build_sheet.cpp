#include "build/build_sheet.h"

#include <algorithm>
#include <string>

#include "build/build_texts.h"
#include "build/cut_layout.h"
#include "build/sheet_drawing.h"
#include "build/workshop_text.h"

namespace welkin {

namespace {

constexpr double margin_mm = 15;
constexpr double line_mm = 5;  // one line of body text
constexpr double body_pt = 9;
constexpr double title_pt = 14;
constexpr double board_row_mm = 18;  // one board of the plan and its caption

int parts_per_page(const Paper& paper) {
    return std::max(1, static_cast<int>((paper.height_mm - 2 * margin_mm) / line_mm) - 3);
}

int lengths_of(const BuildPlan& plan) {
    int n = 0;
    for (const StockPlan& s : plan.stock) n += static_cast<int>(s.packing.lengths.size());
    return n;
}

int boards_per_page(const Paper& paper) {
    return std::max(
        1, static_cast<int>((paper.height_mm - 2 * margin_mm - 3 * line_mm) / board_row_mm));
}

int pages_for(int items, int per_page) {
    return std::max(1, (items + per_page - 1) / per_page);
}

void title(Canvas& c, const std::string& text, double y) {
    c.text(margin_mm, y, text, title_pt, rgb_black);
}

void parts_page(const BuildPlan& plan, const Paper& paper, int first, Canvas& c) {
    title(c, "Parts: " + std::to_string(plan.piece_count) + " pieces", margin_mm);
    double y = margin_mm + 2 * line_mm;
    const double columns[] = {0, 14, 44, 60, 130};
    const char* heads[] = {"Part", "Kind", "Count", "Length x width x thickness", "Stock"};
    for (int i = 0; i < 5; ++i) c.text(margin_mm + columns[i], y, heads[i], body_pt, rgb_black);
    c.line(margin_mm, y + line_mm, paper.width_mm - margin_mm, y + line_mm, rgb_black);
    const int last =
        std::min<int>(static_cast<int>(plan.parts.size()), first + parts_per_page(paper));
    for (int i = first; i < last; ++i) {
        const Part& p = plan.parts[static_cast<std::size_t>(i)];
        y += line_mm;
        const std::string cells[] = {p.label, std::string(part_kind_name(p.kind)),
                                     std::to_string(p.count()),
                                     size_text(p.length_mm, p.width_mm, p.thickness_mm),
                                     p.stock == StockKind::stick ? "stick" : "board"};
        for (int k = 0; k < 5; ++k)
            c.text(margin_mm + columns[k], y + 1, cells[k], body_pt, rgb_black);
    }
}

// One length of stock to scale across the page, each piece labelled.
void board_row(const BuildPlan& plan, const StockPlan& sp, int n, double y, const Paper& paper,
               Canvas& c) {
    const StockLength& s = sp.packing.lengths[static_cast<std::size_t>(n)];
    const double scale = (paper.width_mm - 2 * margin_mm) / sp.stock.length_mm;
    const std::string name =
        (sp.kind == StockKind::stick ? "Stick " : "Board ") + std::to_string(n + 1);
    c.text(margin_mm, y, name + ", offcut " + workshop_mm(s.offcut_mm) + " mm", body_pt - 1,
           rgb_black);
    const double top = y + line_mm;
    const double bar = board_row_mm - line_mm - 3;
    c.fill_box(margin_mm, top, margin_mm + sp.stock.length_mm * scale, top + bar, sheet_offcut);
    for (std::size_t i = 0; i < s.pieces.size(); ++i) {
        const double x0 = margin_mm + s.offsets_mm[i] * scale;
        const double x1 = x0 + s.pieces[i].length_mm * scale;
        // As much of the board's width as the piece takes.
        const Part& part = plan.parts[s.pieces[i].part];
        const double high = bar * std::min(1.0, across_mm(part, sp.stock) / sp.stock.width_mm);
        c.fill_box(x0, top, x1, top + high, sheet_piece);
        c.box(x0, top, x1, top + high, rgb_black);
        if (x1 - x0 > 6) c.text(x0 + 0.8, top + 1, part.label, body_pt - 2, rgb_black);
    }
    c.box(margin_mm, top, margin_mm + sp.stock.length_mm * scale, top + bar, rgb_black);
}

void plan_page(const BuildPlan& plan, const Paper& paper, int first, Canvas& c) {
    title(c, "Cutting plan, kerf " + workshop_mm(plan.options.kerf_mm) + " mm", margin_mm);
    double y = margin_mm + 2 * line_mm;
    int index = 0;
    const int last = first + boards_per_page(paper);
    for (const StockPlan& sp : plan.stock) {
        for (int n = 0; n < static_cast<int>(sp.packing.lengths.size()); ++n, ++index) {
            if (index < first || index >= last) continue;
            if (n == 0 || index == first) {
                c.text(margin_mm, y, stock_line(sp), body_pt, rgb_black);
                y += line_mm;
            }
            board_row(plan, sp, n, y, paper, c);
            y += board_row_mm;
        }
    }
}

}  // namespace

int sheet_page_count(const BuildPlan& plan, const Paper& paper) {
    return 1 + pages_for(static_cast<int>(plan.parts.size()), parts_per_page(paper)) +
           pages_for(lengths_of(plan), boards_per_page(paper));
}

int first_plan_page(const BuildPlan& plan, const Paper& paper) {
    return 1 + pages_for(static_cast<int>(plan.parts.size()), parts_per_page(paper));
}

void paint_sheet_page(const BuildPlan& plan, const Paper& paper, int page, Canvas& canvas) {
    canvas.set_scale(0, 0, paper.width_mm, paper.height_mm);
    canvas.clear(rgb_white);
    const int part_pages = pages_for(static_cast<int>(plan.parts.size()), parts_per_page(paper));
    if (page == 0) {
        paint_overview(
            plan, {margin_mm, margin_mm, paper.width_mm - margin_mm, paper.height_mm - margin_mm},
            canvas);
    } else if (page <= part_pages) {
        parts_page(plan, paper, (page - 1) * parts_per_page(paper), canvas);
    } else {
        plan_page(plan, paper, (page - 1 - part_pages) * boards_per_page(paper), canvas);
    }
    const std::string footer = plan_heading(plan) + "   page " + std::to_string(page + 1) + " of " +
                               std::to_string(sheet_page_count(plan, paper));
    canvas.text(margin_mm, paper.height_mm - margin_mm + 3, footer, body_pt - 2, rgb_status_grey);
}

}  // namespace welkin
