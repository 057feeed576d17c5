// Packing pieces into lengths of stock with a saw kerf between them: first
// fit and best fit decreasing, the better kept, and the lower bound that
// says when no plan could use fewer lengths.
#pragma once

#include <cstddef>
#include <vector>

namespace welkin {

struct Piece {
    std::size_t part = 0;   // index into the parts list
    std::size_t place = 0;  // index into that part's places
    double length_mm = 0;
};

// One length of stock and the pieces cut from it, in cutting order.
struct StockLength {
    std::vector<Piece> pieces;
    std::vector<double> offsets_mm;  // where each piece starts
    double used_mm = 0;              // pieces and the kerfs between them
    double offcut_mm = 0;            // what is left at the end, after the last kerf
};

struct Packing {
    std::vector<StockLength> lengths;
    int first_fit_count = 0;   // lengths first-fit decreasing needs
    int lower_bound = 0;       // no plan needs fewer lengths than this
    bool optimal = false;      // the plan meets the lower bound
    double pieces_mm = 0;      // total length of the pieces
    double waste_percent = 0;  // of the stock bought, not in a piece
};

// Lengths no packing of these pieces can go below: the total length with a
// kerf for each piece over the stock length with one kerf, one length for
// each piece longer than half the stock, and the same total with each piece
// rounded up to the share of a length it leaves usable (so that fifteen
// pieces of which three fit a length need five lengths, not four).
int packing_lower_bound(const std::vector<Piece>& pieces, double stock_mm, double kerf_mm);

// Every piece must be no longer than the stock; the caller checks.
Packing pack_pieces(std::vector<Piece> pieces, double stock_mm, double kerf_mm);

}  // namespace welkin
