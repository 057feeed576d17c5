// The build sheet's pages as drawn: every board of the plan once across the
// pages, every part in the list, every well on the assembly map, and nothing
// outside the paper.
#include "build/build_sheet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "build_designs.h"
#include "canvas/recording_canvas.h"

namespace welkin {
namespace {

struct SheetCase {
    const char* name;
    DesignCase design;
    double stock_length_mm;  // short boards make plans that run over several pages
    Paper paper;
};

std::vector<RecordingCanvas> pages(const BuildPlan& plan, const Paper& paper) {
    std::vector<RecordingCanvas> out;
    for (int page = 0; page < sheet_page_count(plan, paper); ++page) {
        out.emplace_back(600, 800);
        paint_sheet_page(plan, paper, page, out.back());
    }
    return out;
}

std::map<std::string, int> texts_starting(const std::vector<RecordingCanvas>& pages,
                                          const std::string& start) {
    std::map<std::string, int> seen;
    for (const RecordingCanvas& page : pages)
        for (const CanvasOp& op : page.of_kind(OpKind::text))
            if (op.text.starts_with(start)) ++seen[op.text.substr(0, op.text.find(','))];
    return seen;
}

TEST(BuildSheet, EveryBoardAndPartAppearsOnceAcrossThePages) {
    const SheetCase cases[] = {
        {"1D N13 on A4", design_cases[1], 2400, paper_a4},
        {"2D N13 on Letter, short boards", design_cases[4], 700, paper_letter},
        {"2D N7 blocks on A4, short sticks", design_cases[3], 400, paper_a4},
    };
    for (const SheetCase& c : cases) {
        const DesignedForm f(c.design);
        BuildOptions o = default_build_options(f.build());
        o.board.length_mm = std::max(c.stock_length_mm, o.board.length_mm / 4);
        o.stick.length_mm = c.stock_length_mm;
        const Result<BuildPlan> plan = plan_build(f.build(), o);
        ASSERT_TRUE(plan) << c.name << ": " << plan.message();
        const std::vector<RecordingCanvas> drawn = pages(*plan, c.paper);
        for (const StockPlan& sp : plan->stock) {
            const std::string kind = sp.kind == StockKind::stick ? "Stick " : "Board ";
            const std::map<std::string, int> rows = texts_starting(drawn, kind);
            EXPECT_EQ(rows.size(), sp.packing.lengths.size()) << c.name;
            for (const auto& [row, count] : rows) EXPECT_EQ(count, 1) << c.name << ": " << row;
        }
        // The parts list: each label once in its first column.
        std::map<std::string, int> listed;
        for (std::size_t page = 1; page < static_cast<std::size_t>(first_plan_page(*plan, c.paper));
             ++page)
            for (const CanvasOp& op : drawn[page].of_kind(OpKind::text)) ++listed[op.text];
        for (const Part& p : plan->parts)
            EXPECT_EQ(listed[p.label], 1) << c.name << ": " << p.label;
    }
}

TEST(BuildSheet, AssemblyMapMarksEveryWell) {
    // 2D N13: a bottom in each of 169 wells, marked with its depth; or the
    // blocks, each cell with the label of its block.
    const DesignedForm f(design_cases[4]);
    for (Construction k : {Construction::fins, Construction::blocks}) {
        BuildOptions o = default_build_options(f.build());
        o.construction = k;
        const BuildPlan plan = *plan_build(f.build(), o);
        std::map<std::string, int> wanted;
        for (const Part& p : plan.parts) {
            if (p.is_fin()) continue;
            for (const Placement& at : p.places) {
                ++wanted[p.kind == PartKind::bottom ? std::to_string(std::lround(at.depth_mm))
                                                    : p.label];
            }
        }
        RecordingCanvas first(600, 800);
        paint_sheet_page(plan, paper_a4, 0, first);
        std::map<std::string, int> drawn;
        for (const CanvasOp& op : first.of_kind(OpKind::text))
            if (wanted.contains(op.text)) ++drawn[op.text];
        EXPECT_EQ(drawn, wanted) << construction_name(k);
    }
}

TEST(BuildSheet, NothingIsDrawnOffThePaper) {
    for (const DesignCase& c : design_cases) {
        const DesignedForm f(c);
        const BuildPlan plan = *plan_build(f.build(), default_build_options(f.build()));
        for (const RecordingCanvas& page : pages(plan, paper_letter)) {
            for (const CanvasOp& op : page.ops) {
                if (op.kind != OpKind::line && op.kind != OpKind::fill_box &&
                    op.kind != OpKind::box && op.kind != OpKind::text)
                    continue;
                EXPECT_GE(op.x1, 0) << c.name;
                EXPECT_LE(op.x1, paper_letter.width_mm) << c.name << " " << op.text;
                EXPECT_LE(op.y1, paper_letter.height_mm) << c.name << " " << op.text;
            }
        }
    }
}

}  // namespace
}  // namespace welkin
