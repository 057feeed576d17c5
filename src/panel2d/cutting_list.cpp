#include "panel2d/cutting_list.h"

#include <cstddef>

#include "core/design.h"

namespace welkin {

namespace {

constexpr double cubic_feet_per_cubic_metre = 35.3146667;

constexpr std::array<MaterialDensity, material_count> densities = {{
    {"Hoop pine ply ", 550, 1210},
    {"MDF ", 700, 1540},
    {"Cedar ", 380, 836},
    {"Styrofoam ", 100, 220},
    {"Balsa ", 120, 264},
    {"Cork ", 250, 550},
    {"Oregon (Douglas Fir) ", 500, 1100},
    {"Normal Plywood ", 575, 1265},
    {"Birch ply ", 700, 1540},
    {"Oak ", 750, 1650},
    {"Hardwood ", 800, 1760},
    {"Plaster ", 850, 1870},
    {"Red Gum ", 900, 1980},
    {"Glass ", 2500, 5500},
    {"Granite ", 2691, 5920.2},
    {"Aluminium ", 2700, 5940},
    {"Steel ", 7850, 17270},
}};

// Cells per block height, over every cell of the grid.
std::vector<int> count_blocks(const Grid2d& g, const Offsets2d& o) {
    const int n = listed_order(g);
    std::vector<int> counts(static_cast<std::size_t>(n));
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            const auto height = static_cast<std::size_t>(cell_2d(g, o, r, c).block_height);
            if (height < counts.size()) ++counts[height];
        }
    }
    return counts;
}

void add_blocks(CuttingList2d& list, const Grid2d& g, const Offsets2d& o, double depth_unit_mm) {
    list.blocks_by_height = count_blocks(g, o);
    if (!list.blocks_by_height.empty()) list.empty_wells = list.blocks_by_height[0];
    for (std::size_t h = 1; h < list.blocks_by_height.size(); ++h) {
        list.total_block_units += static_cast<int>(h) * list.blocks_by_height[h];
    }
    list.total_block_length_mm = list.total_block_units * depth_unit_mm;
}

void add_fins(CuttingList2d& list, int n, const PanelLengths2d& lengths) {
    const double t = lengths.fin_width_mm;
    const double w = lengths.panel_width_mm;
    list.finned = t > 0;
    list.slotted_fins = {2 * (static_cast<std::int64_t>(n) - 1), w - t};
    list.side_fins = {2, w - t};
    list.end_fins = {2, w + t};
    // All fins but the front and back ones span the panel between them.
    list.total_fin_length_mm = 2 * (n + 1.0) * (w - t) + 4 * t;
}

double volume_m3(const CuttingList2d& list, int n, const PanelLengths2d& lengths) {
    if (!list.finned) {
        const double block_m = lengths.block_width_mm / 1000;
        return list.total_block_length_mm / 1000 * block_m * block_m;
    }
    const double order = n;
    const double bottom_m = lengths.well_width_mm / 1000;
    const double bottoms_m2 = order * order * bottom_m * bottom_m;
    const double fins_m2 = list.total_fin_length_mm / 1000 * (lengths.build_depth_mm / 1000);
    return lengths.fin_width_mm / 1000 * (fins_m2 + bottoms_m2);
}

}  // namespace

const std::array<MaterialDensity, material_count>& material_densities() {
    return densities;
}

int listed_order(const Grid2d& g) {
    return g.n >= 1 && g.n <= max_well_count ? g.n : 0;
}

CuttingList2d cutting_list_2d(const Grid2d& g, const Offsets2d& o, const PanelLengths2d& lengths) {
    CuttingList2d list;
    add_blocks(list, g, o, lengths.depth_unit_mm);
    add_fins(list, g.n, lengths);
    list.volume_m3 = volume_m3(list, g.n, lengths);
    list.volume_ft3 = list.volume_m3 * cubic_feet_per_cubic_metre;
    for (std::size_t i = 0; i < material_count; ++i) {
        const MaterialDensity& d = densities[i];
        list.weights[i] = {d.material, list.volume_m3 * d.kg_per_m3, list.volume_m3 * d.lbs_per_m3};
    }
    return list;
}

}  // namespace welkin
