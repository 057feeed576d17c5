// Every part of a panel, with the places it goes: the blocks, fins and well
// bottoms of the chosen construction, counted per distinct part.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "build/build_design.h"
#include "build/build_options.h"

namespace welkin {

enum class PartKind { block, fin, slotted_fin, side_fin, end_fin, bottom };

// "block", "fin", "slotted fin", ...
std::string_view part_kind_name(PartKind kind);

enum class StockKind { board, stick };

// Where one piece goes. Wells and cells count from 1 as the builder reads
// them: a 1D well is (0, well), a 2D cell (row, column) with row 1 at the
// front. Fins stand on the lines between them, counted from 0: a 1D fin is
// (0, line), a 2D fin running across is (line, fin_across) and one running
// front to back is (fin_along, line).
struct Placement {
    int row = 0;
    int column = 0;
    double depth_mm = 0;  // a well bottom's face from the panel's front; else 0
};

inline constexpr int fin_across = -1;
inline constexpr int fin_along = -1;

// A notch cut across a fin from one long edge, where a crossing fin slots in.
struct Slot {
    double at_mm = 0;  // from the fin's left end to the slot's near side
    double width_mm = 0;
    double depth_mm = 0;
    bool from_front = true;  // cut from the front edge (else from the back edge)
};

struct Part {
    std::string label;  // "B3", "F1", ...: the label on the assembly map and the boards
    PartKind kind = PartKind::block;
    StockKind stock = StockKind::board;
    double length_mm = 0;  // along the stock's length
    double width_mm = 0;
    double thickness_mm = 0;
    std::vector<Slot> notches;
    std::vector<Placement> places;  // one per piece to cut

    int count() const { return static_cast<int>(places.size()); }
    // One piece's volume, its notches cut away.
    double volume_mm3() const;
    bool is_fin() const { return kind != PartKind::block && kind != PartKind::bottom; }
};

std::string place_text(const Part& part, const Placement& place, bool two_d);

// Ripped and planed to size, a part may lie either way up in the stock.
bool section_fits(const Part& part, const Stock& stock);
bool part_fits(const Part& part, const Stock& stock);

// Where a piece goes, as the parts list and the assembly map write it:
// "well 3", "row 2 col 5", "fin 0" (1D fin lines from the left), "across 1"
// (2D fins across the panel, lines from the front), "along 4" (front to
// back, lines from the left).

// A block shorter than this is no block: the reports show it as 0.
inline constexpr double shortest_block_mm = 0.5;

// The parts of the design built as chosen, longest first within each kind.
// Only the construction and the panel height of the options matter here.
std::vector<Part> list_parts(const BuildDesign& design, const BuildOptions& options);

// The panel's outer sizes, fins at both ends included.
struct PanelSize {
    double width_mm = 0;   // across the wells (x)
    double height_mm = 0;  // along the wells (1D) or the second side (2D)
    double depth_mm = 0;   // back to front, the deepest part included
};

PanelSize panel_size(const BuildDesign& design, const BuildOptions& options);

// The height of the assembled solid over each well from the panel's back
// (row-major like BuildDesign), and over the fins: what a 3D print of the
// panel fills.
struct SolidHeights {
    std::vector<double> wells_mm;
    double fins_mm = 0;
};

SolidHeights solid_heights(const BuildDesign& design, const BuildOptions& options);

// Choices that build the given design from common timber: fins when it has
// them, 2.4 m boards as thick as its thickest part and wide enough for its
// widest (to the next 25 mm), sticks likewise for the blocks, MDF. The
// stock fits the parts of either construction.
BuildOptions default_build_options(const BuildDesign& design);

}  // namespace welkin
