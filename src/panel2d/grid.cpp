#include "panel2d/grid.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "units/numtext.h"

namespace welkin {

Grid2d grid_2d(const Design& d) {
    Grid2d g;
    g.n = d.well_count;
    g.finned = d.fin_width_mm > 0;
    if (d.inverse_panel) {
        g.variant = d.optimise_2d ? Variant2d::optimised_inverse : Variant2d::legacy_inverse;
    }
    return g;
}

namespace {

// x mod n in 0..n-1 for any x; n must be positive.
std::int64_t reduced(std::int64_t x, std::int64_t n) {
    return ((x % n) + n) % n;
}

// (a + b)^2 mod n without overflow, whatever the offsets hold.
int square_mod(int a, int b, int n) {
    const std::int64_t m = n;
    const std::int64_t x = reduced(reduced(a, m) + reduced(b, m), m);
    return static_cast<int>(x * x % m);
}

int reduced_offset(int x, int n) {
    return static_cast<int>(reduced(x, n));
}

}  // namespace

namespace {

Cell2d cell_of_residue(const Grid2d& g, int s) {
    const int n = g.n;
    Cell2d cell;
    cell.residue = s;
    switch (g.variant) {
        case Variant2d::standard:
            cell.block_height = n - 1 - s;
            cell.well_depth = s;
            break;
        case Variant2d::legacy_inverse:
            cell.block_height = s;
            // Finned, the wells keep the inverse depth N - s, one unit deeper
            // than a solid block build can reach.
            cell.well_depth = g.finned ? n - s : n - 1 - s;
            break;
        case Variant2d::optimised_inverse:
            // The N-deep well of residue 0 becomes a zero-depth one.
            cell.block_height = s == 0 ? n - 1 : s - 1;
            cell.well_depth = s == 0 ? 0 : n - s;
            break;
    }
    return cell;
}

}  // namespace

Cell2d cell_2d(const Grid2d& g, const Offsets2d& o, int r, int c) {
    const int n = g.n;
    if (n < 1) return {};
    return cell_of_residue(g, (square_mod(o.pull, r, n) + square_mod(o.left_shift, c, n)) % n);
}

GridCells::GridCells(const Grid2d& g, const Offsets2d& o) : g_(g), o_(o) {
    for (int k = 0; k < g.n; ++k) {
        row_squares_.push_back(square_mod(o.pull, k, g.n));
        column_squares_.push_back(square_mod(o.left_shift, k, g.n));
    }
}

Cell2d GridCells::at(int r, int c) const {
    if (r < 0 || r >= g_.n || c < 0 || c >= g_.n) return cell_2d(g_, o_, r, c);
    const int s = row_squares_[static_cast<std::size_t>(r)] +
                  column_squares_[static_cast<std::size_t>(c)];
    return cell_of_residue(g_, s < g_.n ? s : s - g_.n);
}

int row_equivalence(const Grid2d& g, const Offsets2d& o, int r) {
    return g.n < 1 ? 0 : square_mod(o.pull, r, g.n);
}

Offsets2d move_offsets(const Offsets2d& o, OffsetMove move, int n) {
    if (n < 1) return {};
    Offsets2d out{reduced_offset(o.left_shift, n), reduced_offset(o.pull, n)};
    switch (move) {
        case OffsetMove::push: out.pull = reduced_offset(out.pull - 1, n); break;
        case OffsetMove::pull: out.pull = reduced_offset(out.pull + 1, n); break;
        case OffsetMove::left: out.left_shift = reduced_offset(out.left_shift + 1, n); break;
        case OffsetMove::right: out.left_shift = reduced_offset(out.left_shift - 1, n); break;
        case OffsetMove::centre: {
            // Brings the residue-0 cell to the middle row and column.
            const int centre = reduced_offset(n / 2 + 1, n);
            out = {centre, centre};
            break;
        }
        case OffsetMove::no_shift: out = {}; break;
    }
    return out;
}

double depth_unit_mm(const Design& d) {
    return d.well_count < 1 ? 0 : d.design_half_wavelength_mm / d.well_count;
}

namespace {

constexpr std::string_view caption_finned_standard = "Finned Standard   N:";
constexpr std::string_view caption_finless_standard = "Finless Standard   N:";
constexpr std::string_view caption_finned_optimised = "Optimised Finned Inverse   N:";
constexpr std::string_view caption_finless_optimised = "Optimised Finless Inverse   N:";
constexpr std::string_view caption_finned_legacy = "Legacy Finned Inverse   N:";
constexpr std::string_view caption_finless_legacy = "Legacy Finless Inverse   N:";
constexpr std::string_view caption_left = "  Left:";
constexpr std::string_view caption_pull = "  Pull:";

std::string_view caption_start(const Grid2d& g) {
    switch (g.variant) {
        case Variant2d::standard:
            return g.finned ? caption_finned_standard : caption_finless_standard;
        case Variant2d::optimised_inverse:
            return g.finned ? caption_finned_optimised : caption_finless_optimised;
        case Variant2d::legacy_inverse:
            return g.finned ? caption_finned_legacy : caption_finless_legacy;
    }
    return caption_finned_standard;
}

}  // namespace

std::string panel_caption_2d(const Grid2d& g, const Offsets2d& o) {
    return std::string(caption_start(g)) + number_text_trimmed(g.n) + std::string(caption_left) +
           number_text_trimmed(o.left_shift) + std::string(caption_pull) +
           number_text_trimmed(o.pull);
}

Rgb variant_colour(const Grid2d& g) {
    switch (g.variant) {
        case Variant2d::standard: return {69, 154, 69};
        case Variant2d::optimised_inverse: return {169, 97, 169};
        case Variant2d::legacy_inverse: return g.finned ? Rgb{164, 149, 110} : Rgb{212, 212, 0};
    }
    return {};
}

namespace {

int component(double x) {
    return to_int(x).value_or(0);
}

}  // namespace

Rgb row_shade(const Grid2d& g, int r) {
    // A row outside the grid takes the shade of the nearest row, which keeps
    // every component within 40..240.
    const double shade = g.n < 1 ? 0 : 100.0 / g.n * std::clamp(r, 0, g.n - 1);  // below 100
    const int light = component(240 - shade);
    const int dark = component(240 - 2 * shade);
    switch (g.variant) {
        case Variant2d::standard: return {dark, light, dark};
        case Variant2d::optimised_inverse: return {light, dark, light};
        case Variant2d::legacy_inverse:
            return g.finned ? Rgb{light, light, dark} : Rgb{light, light, 96};
    }
    return {};
}

}  // namespace welkin
