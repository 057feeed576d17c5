#include "panel2d/crossword_readout.h"

#include "units/imperial.h"
#include "units/numtext.h"

namespace welkin {

namespace {

constexpr std::string_view block_height_heading = "BLOCK HEIGHT";
constexpr std::string_view well_depth_heading = "WELL DEPTH";
constexpr std::string_view depth_units_word = " depth units";
constexpr std::string_view mm_word = " mm";
constexpr std::string_view inches_word = " inches";
constexpr std::string_view row_word = "Row";
constexpr std::string_view column_word = "  Column";
constexpr char line_end = '\r';

// The readout hides this close to the far edges, where it would not fit.
constexpr double edge_margin = 0.1;
// The box keeps this fraction of N away from the pointer.
constexpr double pointer_gap = 0.01;
// Past this fraction of the picture, the box turns back towards the middle.
constexpr double turn_back = 0.6;

int cell_index(double coordinate, int n) {
    const int i = to_int(round_half_even(coordinate - 0.5)).value_or(0);
    return ((i % n) + n) % n;
}

}  // namespace

std::string readout_length(double mm, UnitMode mode) {
    switch (mode) {
        case UnitMode::metric: return number_text_trimmed(round_half_up(mm)) + std::string(mm_word);
        case UnitMode::inches:
            return trimmed(format_imperial_mm(mm).feet_inches) + std::string(inches_word);
        case UnitMode::decimalinches:
            return trimmed(format_imperial_mm(mm).decimal_inches) + std::string(inches_word);
    }
    return {};
}

Readout crossword_readout(const Grid2d& g, const Offsets2d& o, const CrosswordOptions& options,
                          double x, double y) {
    Readout out;
    const double n = g.n;
    if (g.n < 1 || x > n - edge_margin || y > n - edge_margin || x == 0 || y == 0) return out;
    out.shown = true;
    out.from_right = x >= turn_back * n;
    out.from_bottom = y >= turn_back * n;
    out.x = out.from_right ? x - pointer_gap * n : x + pointer_gap * n;
    out.y = out.from_bottom ? y - pointer_gap * n : y + pointer_gap * n;
    out.column = cell_index(x, g.n);
    out.row = g.n - 1 - cell_index(y, g.n);
    const Cell2d cell = cell_2d(g, o, out.row, out.column);
    out.block_height = cell.block_height;

    const bool blocks = options.quantity == CrosswordQuantity::block_heights;
    const int units = blocks ? cell.block_height : shown_well_depth(g, cell.block_height);
    out.value_text = std::string(blocks ? block_height_heading : well_depth_heading) + line_end +
                     number_text(units) + std::string(depth_units_word) + line_end +
                     readout_length(units * options.depth_unit_mm, options.unit_mode);
    out.position_text = std::string(row_word) + number_text(out.row) + std::string(column_word) +
                        number_text(out.column);
    return out;
}

}  // namespace welkin
