// The cut outlines read back by independent readers: ezdxf for the DXF file,
// and the SVG's groups counted.
#include "build/cut_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "build/cut_layout.h"
#include "build/build_parts.h"
#include "build_designs.h"
#include "persist/file_io.h"
#include "temp_dir.h"

namespace welkin {
namespace {

struct ReadPolyline {
    std::string layer;
    bool closed = false;
    std::vector<Point> points;
};

std::vector<std::string> lines_of(const std::string& command) {
    std::vector<std::string> out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return out;
    char buffer[65536];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        std::string line(buffer);
        if (!line.empty() && line.back() == '\n') line.pop_back();
        out.push_back(line);
    }
    ::pclose(pipe);
    return out;
}

ReadPolyline parse(const std::string& line) {
    ReadPolyline p;
    std::istringstream in(line);
    std::string closed;
    std::string points;
    std::getline(in, p.layer, '|');
    std::getline(in, closed, '|');
    std::getline(in, points);
    p.closed = closed == "closed";
    std::istringstream xy(points);
    std::string pair;
    while (xy >> pair) {
        const auto comma = pair.find(',');
        p.points.push_back({std::stod(pair.substr(0, comma)), std::stod(pair.substr(comma + 1))});
    }
    return p;
}

BuildPlan plan_of(const DesignCase& c) {
    const DesignedForm f(c);
    BuildOptions o = default_build_options(f.build());
    o.construction = f.build().fin_width_mm > 0 ? Construction::fins : Construction::blocks;
    return *plan_build(f.build(), o);
}

TEST(CutFiles, EzdxfReadsTheSameOutlinesOnALayerPerBoard) {
    const TempDir dir;
    // A 1D panel of plain pieces and a 2D one of slotted fins and sticks.
    for (const DesignCase& c : {design_cases[1], design_cases[4], design_cases[3]}) {
        const BuildPlan plan = plan_of(c);
        const Result<std::string> dxf = cut_dxf(plan);
        ASSERT_TRUE(dxf) << dxf.message();
        const std::string path = dir.file("cuts.dxf");
        ASSERT_TRUE(write_file_atomically(path, *dxf));
        const std::vector<std::string> read = lines_of(
            WELKIN_SYSTEM_PYTHON " " WELKIN_TEST_SOURCE "/build/read_dxf.py " + path + " 2>&1");
        const std::vector<BoardLayout> boards = cut_layouts(plan);
        const double top = boards.back().top_mm + boards.back().width_mm;
        std::size_t at = 0;
        for (const BoardLayout& b : boards) {
            // The board's own outline first, then its pieces.
            ASSERT_LT(at, read.size()) << c.name;
            EXPECT_EQ(parse(read[at++]).layer, layer_name(b.name)) << c.name;
            for (const CutOutline& piece : b.pieces) {
                ASSERT_LT(at, read.size()) << c.name;
                const ReadPolyline p = parse(read[at++]);
                EXPECT_EQ(p.layer, layer_name(b.name)) << c.name;
                EXPECT_TRUE(p.closed) << c.name;
                ASSERT_EQ(p.points.size(), piece.corners.size()) << c.name << " " << piece.label;
                for (std::size_t k = 0; k < p.points.size(); ++k) {
                    EXPECT_NEAR(p.points[k].x, piece.corners[k].x, 1e-6) << piece.label;
                    EXPECT_NEAR(p.points[k].y, top - piece.corners[k].y, 1e-6) << piece.label;
                }
            }
        }
        std::size_t labels = 0;
        for (; at < read.size(); ++at)
            labels += read[at].starts_with(std::string(labels_layer) + "|TEXT|");
        EXPECT_EQ(labels, static_cast<std::size_t>(plan.piece_count)) << c.name;
    }
}

// A slotted fin's outline: the rectangle and four corners for each slot.
TEST(CutFiles, SlottedFinsAreNotchedOncePerCrossingFin) {
    const BuildPlan plan = plan_of(design_cases[4]);
    for (const BoardLayout& b : cut_layouts(plan)) {
        for (const CutOutline& piece : b.pieces) {
            // The fins across between the end fins, which stand on lines 0 and N.
            const auto across = piece.label.find(" across ");
            if (across == std::string::npos) continue;
            const int line = std::stoi(piece.label.substr(across + 8));
            if (line == 0 || line == plan.design.n) continue;
            EXPECT_EQ(piece.corners.size(), 4u + 4u * static_cast<std::size_t>(plan.design.n - 1))
                << piece.label;
        }
    }
}

TEST(CutFiles, SvgHasAGroupPerBoardAndOneForTheLabels) {
    const BuildPlan plan = plan_of(design_cases[1]);
    const std::string svg = cut_svg(plan);
    const std::vector<BoardLayout> boards = cut_layouts(plan);
    std::size_t groups = 0;
    for (std::size_t at = svg.find("<g "); at != std::string::npos; at = svg.find("<g ", at + 1))
        ++groups;
    EXPECT_EQ(groups, boards.size() + 1);
    std::size_t polygons = 0;
    for (std::size_t at = svg.find("<polygon"); at != std::string::npos;
         at = svg.find("<polygon", at + 1))
        ++polygons;
    EXPECT_EQ(polygons, static_cast<std::size_t>(plan.piece_count));
    EXPECT_NE(svg.find("viewBox=\"0 0 "), std::string::npos);
    EXPECT_NE(svg.find("mm\" height="), std::string::npos) << "sized in millimetres";
}

}  // namespace
}  // namespace welkin
