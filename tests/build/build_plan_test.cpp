// The build plan against the design it builds: parts that follow from the
// wells, reassemble them, and fit the stock they are planned into.
#include "build/build_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "build_designs.h"
#include "core/sequence.h"
#include "panel2d/cutting_list.h"
#include "units/numtext.h"

namespace welkin {
namespace {

constexpr Construction constructions[] = {Construction::blocks, Construction::fins};

// The plan of a case, or nothing when the construction needs fins it lacks.
std::optional<BuildPlan> plan_of(const DesignedForm& f, Construction c) {
    BuildOptions o = default_build_options(f.build());
    o.construction = c;
    if (c == Construction::fins && f.design().fin_width_mm <= 0) return std::nullopt;
    const Result<BuildPlan> plan = plan_build(f.build(), o);
    EXPECT_TRUE(plan) << plan.message();
    if (!plan) return std::nullopt;
    return *plan;
}

// Each well's depth from the design itself: the 1D sequence times the depth
// unit, or the 2D grid's cell at the window's offsets.
std::vector<double> design_depths(const DesignedForm& f, bool two_d) {
    const Design& d = f.design();
    std::vector<double> out;
    const int n = d.well_count;
    for (int i = 0; i < (two_d ? n * n : n); ++i) {
        out.push_back(two_d ? cell_2d(grid_2d(d), f.offsets(), i / n, i % n).well_depth *
                                  depth_unit_mm(d)
                            : f.sequence().at(i) * d.design_half_wavelength_mm / n);
    }
    return out;
}

// Each well's depth read back from the parts alone: a block's height taken
// from the panel's front, a bottom's place.
std::map<std::pair<int, int>, double> rebuilt_depths(const BuildPlan& plan, double front_mm) {
    std::map<std::pair<int, int>, double> depths;
    for (const Part& p : plan.parts) {
        if (p.is_fin()) continue;
        const double height = plan.design.two_d ? p.length_mm : p.width_mm;
        for (const Placement& at : p.places) {
            const bool fresh =
                depths
                    .emplace(std::pair{at.row, at.column},
                             p.kind == PartKind::bottom ? at.depth_mm : front_mm - height)
                    .second;
            EXPECT_TRUE(fresh) << "two pieces in " << place_text(p, at, plan.design.two_d);
        }
    }
    return depths;
}

TEST(BuildPlan, PartsReassembleTheDesignsWellDepths) {
    for (const DesignCase& c : design_cases) {
        const DesignedForm f(c);
        const std::vector<double> expected = design_depths(f, c.two_d);
        // The face of the blocks: the deepest well, or the 2D grid's height plus depth.
        const double front = c.two_d ? f.build().front_mm : f.design().deepest_well_mm;
        for (Construction k : constructions) {
            const std::optional<BuildPlan> plan = plan_of(f, k);
            if (!plan) continue;
            const auto depths = rebuilt_depths(*plan, front);
            for (std::size_t i = 0; i < expected.size(); ++i) {
                const int n = c.n;
                const std::pair cell =
                    c.two_d ? std::pair{int(i) / n + 1, int(i) % n + 1} : std::pair{0, int(i) + 1};
                const auto found = depths.find(cell);
                // A well as deep as the panel has no block to rebuild it from.
                const double depth = found == depths.end() ? front : found->second;
                EXPECT_NEAR(depth, expected[i], shortest_block_mm)
                    << c.name << ", " << construction_name(k) << ", well " << i;
            }
        }
    }
}

TEST(BuildPlan, PanelWidthIsTheAnalysisWidthWithTheEndFin) {
    for (const DesignCase& c : design_cases) {
        const DesignedForm f(c);
        const std::optional<BuildPlan> plan = plan_of(f, Construction::blocks);
        ASSERT_TRUE(plan) << c.name;
        const double across = f.results().panel_width_mm + f.design().fin_width_mm;
        EXPECT_DOUBLE_EQ(plan->size.width_mm, across) << c.name;
        if (c.two_d) {
            EXPECT_DOUBLE_EQ(plan->size.height_mm, across) << c.name;
        }
        // The fins across the panel span it between the side fins or cover it.
        for (const Part& p : plan->parts) {
            if (p.kind == PartKind::end_fin) {
                EXPECT_DOUBLE_EQ(p.length_mm, across) << c.name;
            } else if (p.kind == PartKind::slotted_fin || p.kind == PartKind::side_fin) {
                EXPECT_DOUBLE_EQ(p.length_mm, across - 2 * f.design().fin_width_mm) << c.name;
            }
        }
    }
}

// The 2D report's cutting list counts the same blocks and fins.
TEST(BuildPlan, TwoDimensionalCountsAgreeWithTheReportsCuttingList) {
    for (const DesignCase& c : design_cases) {
        if (!c.two_d) continue;
        const DesignedForm f(c);
        const Design& d = f.design();
        PanelLengths2d lengths{depth_unit_mm(d),
                               d.fin_width_mm,
                               f.results().panel_width_mm,
                               d.build_depth_2d_mm,
                               f.results().well_width_shown_mm,
                               d.well_width_mm};
        const CuttingList2d list = cutting_list_2d(grid_2d(d), f.offsets(), lengths);
        const std::optional<BuildPlan> plan = plan_of(f, Construction::blocks);
        ASSERT_TRUE(plan);
        std::vector<int> blocks(list.blocks_by_height.size());
        std::map<PartKind, int> fins;
        for (const Part& p : plan->parts) {
            if (p.is_fin()) fins[p.kind] += p.count();
            if (p.kind == PartKind::block)
                blocks[static_cast<std::size_t>(
                    round_half_up(p.length_mm / lengths.depth_unit_mm))] += p.count();
        }
        blocks[0] = list.blocks_by_height[0];  // empty wells have no block to count
        EXPECT_EQ(blocks, list.blocks_by_height) << c.name;
        if (!list.finned) continue;
        EXPECT_EQ(fins[PartKind::slotted_fin], list.slotted_fins.count) << c.name;
        EXPECT_EQ(fins[PartKind::side_fin], list.side_fins.count) << c.name;
        EXPECT_EQ(fins[PartKind::end_fin], list.end_fins.count) << c.name;
    }
}

TEST(BuildPlan, EveryPieceIsCutOnceAndNoStockLengthIsOverfull) {
    for (const DesignCase& c : design_cases) {
        const DesignedForm f(c);
        for (Construction k : constructions) {
            std::optional<BuildPlan> plan = plan_of(f, k);
            if (!plan) continue;
            std::multiset<std::pair<std::size_t, std::size_t>> cut;
            for (const StockPlan& sp : plan->stock) {
                const double kerf = plan->options.kerf_mm;
                for (const StockLength& s : sp.packing.lengths) {
                    double end = -kerf;
                    for (std::size_t i = 0; i < s.pieces.size(); ++i) {
                        EXPECT_GE(s.offsets_mm[i], end + kerf - 1e-9) << c.name << ": cuts overlap";
                        end = s.offsets_mm[i] + s.pieces[i].length_mm;
                        cut.insert({s.pieces[i].part, s.pieces[i].place});
                    }
                    EXPECT_LE(end, sp.stock.length_mm + 1e-9) << c.name << ": overfull";
                }
                const int used = static_cast<int>(sp.packing.lengths.size());
                EXPECT_LE(used, sp.packing.first_fit_count) << c.name;
                EXPECT_GE(used, sp.packing.lower_bound) << c.name;
            }
            std::multiset<std::pair<std::size_t, std::size_t>> wanted;
            for (std::size_t i = 0; i < plan->parts.size(); ++i)
                for (std::size_t j = 0; j < plan->parts[i].places.size(); ++j)
                    wanted.insert({i, j});
            EXPECT_EQ(cut, wanted) << c.name << ", " << construction_name(k);
        }
    }
}

struct RefusalCase {
    std::string name;
    void (*change)(BuildOptions&);
    std::string says;
};

TEST(BuildPlan, ImpossibleChoicesAreRefusedWithTheReason) {
    const RefusalCase cases[] = {
        {"kerf as long as the board", [](BuildOptions& o) { o.kerf_mm = o.board.length_mm; },
         "kerf"},
        {"negative kerf", [](BuildOptions& o) { o.kerf_mm = -1; }, "kerf"},
        {"panel longer than the stock", [](BuildOptions& o) { o.panel_height_mm = 3000; },
         "3000 mm long, longer than the"},
        {"zero panel height", [](BuildOptions& o) { o.panel_height_mm = 0; }, "panel height"},
        {"negative board width", [](BuildOptions& o) { o.board.width_mm = -5; },
         "board length, width"},
        {"sticks too thin for the blocks",
         [](BuildOptions& o) { o.stick.thickness_mm = o.stick.width_mm = 1; }, "stick's section"},
        {"zero density",
         [](BuildOptions& o) {
             o.material = {"", 0};
         },
         "density"},
        {"no spare below 0", [](BuildOptions& o) { o.spare_percent = -10; }, "spare"},
        {"fins on a finless panel", [](BuildOptions& o) { o.construction = Construction::fins; },
         "fin width"},
    };
    const DesignedForm f(design_cases[0]);
    for (const RefusalCase& c : cases) {
        BuildOptions o = default_build_options(f.build());
        c.change(o);
        const Result<BuildPlan> plan = plan_build(f.build(), o);
        ASSERT_FALSE(plan) << c.name;
        EXPECT_NE(plan.message().find(c.says), std::string::npos)
            << c.name << ": " << plan.message();
    }
}

TEST(BuildPlan, MaterialsAreTheReportsTableByName) {
    const Result<Material> granite = material_named("  granite ");
    ASSERT_TRUE(granite);
    EXPECT_EQ(granite->kg_per_m3, 2691);
    const Result<Material> teak = material_named("Teak");
    ASSERT_FALSE(teak);
    EXPECT_NE(teak.message().find("Hoop pine ply, MDF, Cedar"), std::string::npos)
        << teak.message();

    const DesignedForm f(design_cases[1]);
    BuildOptions o = default_build_options(f.build());
    o.material = *granite;
    const Result<BuildPlan> plan = plan_build(f.build(), o);
    ASSERT_TRUE(plan);
    EXPECT_NEAR(plan->weight_kg, plan->material_m3 * 2691, 1e-9);
}

TEST(BuildPlan, SpareAllowanceRoundsTheBoardsToBuyUp) {
    const DesignedForm f(design_cases[1]);
    BuildOptions o = default_build_options(f.build());
    for (const auto& [spare, extra] :
         {std::pair{0.0, 0}, std::pair{1.0, 1}, std::pair{100.0, -1}}) {
        o.spare_percent = spare;
        const Result<BuildPlan> plan = plan_build(f.build(), o);
        ASSERT_TRUE(plan);
        const int used = static_cast<int>(plan->stock.front().packing.lengths.size());
        // -1 stands for "as many again".
        EXPECT_EQ(plan->stock.front().to_buy, used + (extra < 0 ? used : extra)) << spare;
    }
}

}  // namespace
}  // namespace welkin
