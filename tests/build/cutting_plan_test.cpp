// Packings worked out by hand.
#include "build/cutting_plan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace welkin {
namespace {

std::vector<Piece> pieces(std::vector<double> lengths) {
    std::vector<Piece> out;
    for (std::size_t i = 0; i < lengths.size(); ++i) out.push_back({i, 0, lengths[i]});
    return out;
}

struct PackingCase {
    std::string name;
    std::vector<double> lengths;
    double stock;
    double kerf;
    int used;
    int lower_bound;
    bool optimal;
};

TEST(CuttingPlan, HandWorkedPackings) {
    const PackingCase cases[] = {
        // 4 x 603 = 2412 > 2403: the kerfs push the fourth piece onto a second board.
        {"four 600s and kerfs", {600, 600, 600, 600}, 2400, 3, 2, 2, true},
        {"four 600s, no kerf", {600, 600, 600, 600}, 2400, 0, 1, 1, true},
        // Decreasing order puts 4 + 4 together; 4 3 3 twice is the best packing.
        {"first fit decreasing misses", {4, 4, 3, 3, 3, 3}, 10, 0, 3, 2, false},
        // Each piece is over half the stock: no two share a length.
        {"long pieces alone", {6, 6, 6}, 10, 0, 3, 3, true},
        // Three 603s fit in 2403, four do not: fifteen need five boards,
        // though their length alone would go into four.
        {"fifteen 600s, three to a board", std::vector<double>(15, 600), 2400, 3, 5, 5, true},
        // 7 + 1 kerf + 2 = 10 exactly fills the stock.
        {"exact fit with a kerf", {7, 2}, 10, 1, 1, 1, true},
    };
    for (const PackingCase& c : cases) {
        const Packing p = pack_pieces(pieces(c.lengths), c.stock, c.kerf);
        EXPECT_EQ(static_cast<int>(p.lengths.size()), c.used) << c.name;
        EXPECT_EQ(p.lower_bound, c.lower_bound) << c.name;
        EXPECT_EQ(p.optimal, c.optimal) << c.name;
    }
}

TEST(CuttingPlan, WasteIsTheStockNotInAPiece) {
    // Two 600s with a 3 mm kerf from one 2400: 1200 of 2400 is waste.
    const Packing p = pack_pieces(pieces({600, 600}), 2400, 3);
    ASSERT_EQ(p.lengths.size(), 1u);
    EXPECT_DOUBLE_EQ(p.waste_percent, 50);
    EXPECT_DOUBLE_EQ(p.lengths[0].offsets_mm[1], 603);
    EXPECT_DOUBLE_EQ(p.lengths[0].offcut_mm, 2400 - 1206);
}

}  // namespace
}  // namespace welkin
