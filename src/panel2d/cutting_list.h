// What it takes to build a 2D panel: the blocks of a solid build, the slotted
// fins of a hollow one, the volume of material and its weight in seventeen
// materials. Numbers only, unrounded; the report decides how to show them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "panel2d/grid.h"

namespace welkin {

// The lengths the cutting list is worked from, all in millimetres.
struct PanelLengths2d {
    double depth_unit_mm = 0;
    double fin_width_mm = 0;    // above 0 the panel is built hollow from fins
    double panel_width_mm = 0;  // N x (fin + well), without the extra end fin
    double build_depth_mm = 0;  // also the fin height
    double block_width_mm = 0;  // the well width as shown: a block's square side
    double well_width_mm = 0;   // the validated well width: a well bottom's side
};

// Fins of one kind, all cut to the same length.
struct FinCut {
    std::int64_t count = 0;
    double length_mm = 0;
};

struct MaterialWeight {
    std::string_view material;  // as the report writes it, with a blank before the weight
    double kg = 0;
    double lbs = 0;  // kg x 2.2, as the program has always written it
};

inline constexpr std::size_t material_count = 17;

struct MaterialDensity {
    std::string_view material;  // as the report writes it, with a blank before the weight
    double kg_per_m3;
    double lbs_per_m3;  // kg x 2.2, kept as the program has always written the products
};

// The report's materials, in its order.
const std::array<MaterialDensity, material_count>& material_densities();

struct CuttingList2d {
    // Solid build. Cells per block height in depth units (index 0 holds the
    // empty wells), for heights 0 .. N-1.
    std::vector<int> blocks_by_height;
    int empty_wells = 0;
    int total_block_units = 0;  // sum of height x count over heights of 1 and more
    double total_block_length_mm = 0;

    // Hollow build: N-1 slotted fins each way, two side fins and the front and
    // back fins that also cover the end fin.
    bool finned = false;
    FinCut slotted_fins;
    FinCut side_fins;
    FinCut end_fins;
    double total_fin_length_mm = 0;

    // Blocks when finless; fins plus a bottom in each of the N x N wells when finned.
    double volume_m3 = 0;
    double volume_ft3 = 0;
    std::array<MaterialWeight, material_count> weights{};
};

// The order whose rows and columns may be listed: an order the program
// refuses (a damaged file) has no cells to list.
int listed_order(const Grid2d& g);

CuttingList2d cutting_list_2d(const Grid2d& g, const Offsets2d& o, const PanelLengths2d& lengths);

}  // namespace welkin
