#include "panel2d/crossword.h"

#include <cstddef>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "units/imperial.h"
#include "units/numtext.h"

namespace welkin {

namespace {

constexpr std::string_view caption_blocks = "Block Heights";
constexpr std::string_view caption_depths = "Well depths";
constexpr std::string_view caption_depth_units = " in depth units";
constexpr std::string_view caption_mm = " in mm";
constexpr std::string_view caption_inches = " in inches";
constexpr std::string_view caption_n = "    N";
constexpr std::string_view caption_panel = " panel    Left shift = ";
constexpr std::string_view caption_pull = "   Pull to front = ";
constexpr int small_panel_caption_size = 14;

int component(double x) {
    return to_int(x).value_or(0);
}

Rgb shade(double r, double g, double b) {
    return {component(r), component(g), component(b)};
}

// The full depth of the well-depth scale: a finned inverse panel's wells
// reach N units.
double depth_scale(const Grid2d& g) {
    return g.finned && g.variant != Variant2d::standard ? g.n : g.n - 1;
}

struct CellLook {
    Rgb fill;
    std::string text;  // empty when the cells are not written on
};

// Cells of one block height look alike: each look is worked out once per
// height instead of once per cell.
class CellLooks {
public:
    CellLooks(const Grid2d& g, const CrosswordOptions& options, bool write)
        : g_(g), options_(options), write_(write) {
        for (int h = 0; h <= g.n; ++h) looks_.push_back(look({.block_height = h}));
    }
    // The cell's look, as its place among the looks.
    std::size_t of(const Cell2d& cell) {
        const int h = cell.block_height;
        if (h >= 0 && h <= g_.n) return static_cast<std::size_t>(h);
        auto found = others_.find(h);
        if (found == others_.end()) {
            found = others_.emplace(h, looks_.size()).first;
            looks_.push_back(look(cell));
        }
        return found->second;
    }
    const CellLook& operator[](std::size_t at) const { return looks_[at]; }
    std::size_t size() const { return looks_.size(); }

private:
    CellLook look(const Cell2d& cell) const {
        const Rgb fill = options_.full_screen
                             ? highlighted_cell_colour(g_, options_, cell.block_height)
                             : crossword_cell_colour(g_, options_, cell.block_height);
        return {fill, write_ ? crossword_cell_text(g_, options_, cell) : std::string()};
    }

    const Grid2d& g_;
    const CrosswordOptions& options_;
    bool write_;
    std::vector<CellLook> looks_;
    std::map<int, std::size_t> others_;  // heights outside 0 to N
};

}  // namespace

double crossword_height(int n, bool full_screen) {
    return full_screen ? n : n + 1;
}

int crossword_font_size(int n, bool full_screen) {
    if (n < 1) return 1;
    return (full_screen ? 160 : 90) / n + 1;
}

int crossword_caption_font_size(int n) {
    return n < 7 ? small_panel_caption_size : crossword_font_size(n, false);
}

int shown_well_depth(const Grid2d& g, int block_height) {
    const bool deepest_is_n = g.finned && g.variant == Variant2d::legacy_inverse;
    return (deepest_is_n ? g.n : g.n - 1) - block_height;
}

Rgb crossword_cell_colour(const Grid2d& g, const CrosswordOptions& options, int block_height) {
    if (options.no_colour) return rgb_white;
    const double h = block_height;
    if (options.quantity == CrosswordQuantity::block_heights) {
        const double e = g.n > 1 ? g.n - 1 : 1;
        const double v = options.invert ? 225 - 155 * h / e : 70 + 155 * h / e;
        return shade(v, v, 255);
    }
    const double d = depth_scale(g) > 0 ? depth_scale(g) : 1;
    if (options.invert) return shade(255 - 105 * h / d, 225 - 155 * h / d, 225 - 155 * h / d);
    return shade(150 + 105 * h / d, 70 + 155 * h / d, 70 + 155 * h / d);
}

Rgb highlighted_cell_colour(const Grid2d& g, const CrosswordOptions& options, int block_height) {
    const Highlight& hl = options.highlight;
    if (hl.block_height < 0) return crossword_cell_colour(g, options, block_height);
    if (block_height == hl.block_height) return highlight_colour;
    if (!hl.layerlight) return crossword_cell_colour(g, options, block_height);
    const Rgb layer = options.quantity == CrosswordQuantity::block_heights ? block_layer_colour
                                                                           : depth_layer_colour;
    const bool below = block_height < hl.block_height;
    return below != options.invert ? layer : rgb_white;
}

std::string crossword_cell_text(const Grid2d& g, const CrosswordOptions& options,
                                const Cell2d& cell) {
    const int units = options.quantity == CrosswordQuantity::block_heights
                          ? cell.block_height
                          : shown_well_depth(g, cell.block_height);
    if (!options.dimensions) return number_text(units);
    const double mm = units * options.depth_unit_mm;
    switch (options.unit_mode) {
        case UnitMode::metric: return number_text(round_half_up(mm));
        case UnitMode::inches: return format_imperial_mm(mm).feet_inches;
        case UnitMode::decimalinches: return format_imperial_mm(mm).decimal_inches;
    }
    return {};
}

std::string crossword_caption(const Grid2d& g, const Offsets2d& o,
                              const CrosswordOptions& options) {
    std::string text(options.quantity == CrosswordQuantity::block_heights ? caption_blocks
                                                                          : caption_depths);
    if (!options.dimensions) return text + std::string(caption_depth_units);
    text += options.unit_mode == UnitMode::metric ? caption_mm : caption_inches;
    return text + std::string(caption_n) + number_text_trimmed(g.n) + std::string(caption_panel) +
           number_text_trimmed(o.left_shift) + std::string(caption_pull) +
           number_text_trimmed(o.pull);
}

namespace {

// A cell's text starts this far right of and below the cell's top-left
// corner.
constexpr Point text_inset{0.1, 0.3};

Point text_corner(int n, int r, int c) {
    return {c + text_inset.x, n - r - (1 - text_inset.y)};
}

// Each cell's look, top row first and left to right.
std::vector<std::size_t> looks_of_cells(const Grid2d& g, const GridCells& cells, CellLooks& looks) {
    std::vector<std::size_t> out;
    out.reserve(static_cast<std::size_t>(g.n) * static_cast<std::size_t>(g.n));
    for (int r = g.n - 1; r >= 0; --r) {
        for (int c = 0; c < g.n; ++c) out.push_back(looks.of(cells.at(r, c)));
    }
    return out;
}

// In turn, top row first: a cell's text after its fill and before its
// neighbours', whose fills cut off what runs over.
void fill_and_write_in_turn(int n, std::span<const std::size_t> cell_looks,
                            const CellLooks& looks, bool write, int font, Canvas& canvas) {
    auto look = cell_looks.begin();
    for (int r = n - 1; r >= 0; --r) {
        for (int c = 0; c < n; ++c, ++look) {
            const double top = n - 1 - r;
            canvas.fill_box(c, top, c + 1, top + 1, looks[*look].fill);
            if (!write) continue;
            const Point at = text_corner(n, r, c);
            canvas.text(at.x, at.y, looks[*look].text, font, rgb_black);
        }
    }
}

// Where every text ends inside its cell, no fill would cut one off, so the
// cells can all be filled first and each text then written everywhere it
// goes at once. False, with nothing drawn, where some text does not fit.
bool fill_then_write(int n, std::span<const std::size_t> cell_looks, const CellLooks& looks,
                     int font, Canvas& canvas) {
    std::vector<std::vector<Point>> corners(looks.size());
    auto look = cell_looks.begin();
    for (int r = n - 1; r >= 0; --r) {
        for (int c = 0; c < n; ++c, ++look) corners[*look].push_back(text_corner(n, r, c));
    }
    for (std::size_t i = 0; i < looks.size(); ++i) {
        if (corners[i].empty()) continue;
        const std::optional<Point> size = canvas.text_size(looks[i].text, font);
        if (!size || text_inset.x + size->x > 1 || text_inset.y + size->y > 1) return false;
    }
    fill_and_write_in_turn(n, cell_looks, looks, false, font, canvas);
    for (std::size_t i = 0; i < looks.size(); ++i) {
        if (!corners[i].empty()) canvas.texts(corners[i], looks[i].text, font, rgb_black);
    }
    return true;
}

}  // namespace

// Each cell is filled once and the grid drawn over all of them as whole
// lines.
void paint_crossword(const Grid2d& g, const Offsets2d& o, const CrosswordOptions& options,
                     Canvas& canvas) {
    const double height = crossword_height(g.n, options.full_screen);
    canvas.set_scale(0, 0, g.n, height);
    canvas.clear(rgb_white);
    if (g.n < 1) return;
    const int font = crossword_font_size(g.n, options.full_screen);
    const bool write = options.numbers || options.dimensions;
    CellLooks looks(g, options, write);
    const std::vector<std::size_t> cell_looks = looks_of_cells(g, GridCells(g, o), looks);
    if (!write || !fill_then_write(g.n, cell_looks, looks, font, canvas)) {
        fill_and_write_in_turn(g.n, cell_looks, looks, write, font, canvas);
    }
    std::vector<Segment> grid;
    for (int k = 0; k <= g.n; ++k) {
        grid.push_back({{0, static_cast<double>(k)}, {static_cast<double>(g.n), static_cast<double>(k)}});
        grid.push_back({{static_cast<double>(k), 0}, {static_cast<double>(k), static_cast<double>(g.n)}});
    }
    canvas.lines(grid, rgb_black);
    if (!options.full_screen) {
        canvas.text(0.1, g.n + 0.2, crossword_caption(g, o, options),
                    crossword_caption_font_size(g.n), rgb_black);
    }
}

}  // namespace welkin
