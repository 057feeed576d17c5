#include "build/cutting_plan.h"

#include <algorithm>
#include <cmath>

namespace welkin {

namespace {

// Room is measured with one kerf more than the stock, so that every piece
// takes its length and one kerf and the last cut may end at the stock's end.
struct Bin {
    std::vector<Piece> pieces;
    double room = 0;
};

// Floating-point sums of the same lengths may differ in the last bit.
constexpr double fit_slack_mm = 1e-9;

enum class Rule { first_fit, best_fit };

std::vector<Bin> pack(const std::vector<Piece>& sorted, double capacity, double kerf, Rule rule) {
    std::vector<Bin> bins;
    for (const Piece& p : sorted) {
        const double need = p.length_mm + kerf;
        Bin* chosen = nullptr;
        for (Bin& b : bins) {
            if (b.room + fit_slack_mm < need) continue;
            if (rule == Rule::first_fit) {
                chosen = &b;
                break;
            }
            if (chosen == nullptr || b.room < chosen->room) chosen = &b;
        }
        if (chosen == nullptr) {
            bins.push_back({{}, capacity});
            chosen = &bins.back();
        }
        chosen->pieces.push_back(p);
        chosen->room -= need;
    }
    return bins;
}

StockLength laid_out(const Bin& bin, double stock_mm, double kerf_mm) {
    StockLength s;
    s.pieces = bin.pieces;
    double at = 0;
    for (const Piece& p : bin.pieces) {
        s.offsets_mm.push_back(at);
        at += p.length_mm + kerf_mm;
    }
    s.used_mm = std::min(stock_mm, at - kerf_mm);
    s.offcut_mm = std::max(0.0, stock_mm - at);
    return s;
}

}  // namespace

// Fekete and Schepers' dual feasible function of order p: counting each
// piece as this share of a stock length still fits one length per length,
// and rounds a piece of which p cannot share a length up to 1/p of one.
double rounded_share(double need, double capacity, int p) {
    const double t = (p + 1) * need / capacity;
    if (std::abs(t - std::round(t)) < fit_slack_mm) return need;
    return std::floor(t) * capacity / p;
}

constexpr int highest_order = 20;

int lengths_for(double total, double capacity) {
    return static_cast<int>(std::ceil(total / capacity - fit_slack_mm));
}

int packing_lower_bound(const std::vector<Piece>& pieces, double stock_mm, double kerf_mm) {
    const double capacity = stock_mm + kerf_mm;
    double total = 0;
    int long_pieces = 0;
    for (const Piece& p : pieces) {
        total += p.length_mm + kerf_mm;
        if (2 * (p.length_mm + kerf_mm) > capacity) ++long_pieces;
    }
    int bound = std::max(lengths_for(total, capacity), long_pieces);
    for (int order = 1; order <= highest_order; ++order) {
        double shares = 0;
        for (const Piece& p : pieces)
            shares += rounded_share(p.length_mm + kerf_mm, capacity, order);
        bound = std::max(bound, lengths_for(shares, capacity));
    }
    return bound;
}

Packing pack_pieces(std::vector<Piece> pieces, double stock_mm, double kerf_mm) {
    std::stable_sort(pieces.begin(), pieces.end(),
                     [](const Piece& a, const Piece& b) { return a.length_mm > b.length_mm; });
    const double capacity = stock_mm + kerf_mm;
    const std::vector<Bin> first = pack(pieces, capacity, kerf_mm, Rule::first_fit);
    const std::vector<Bin> best = pack(pieces, capacity, kerf_mm, Rule::best_fit);
    const std::vector<Bin>& kept = best.size() < first.size() ? best : first;

    Packing out;
    out.first_fit_count = static_cast<int>(first.size());
    out.lower_bound = packing_lower_bound(pieces, stock_mm, kerf_mm);
    out.optimal = static_cast<int>(kept.size()) <= out.lower_bound;
    for (const Bin& b : kept) out.lengths.push_back(laid_out(b, stock_mm, kerf_mm));
    for (const Piece& p : pieces) out.pieces_mm += p.length_mm;
    const double bought = stock_mm * static_cast<double>(kept.size());
    out.waste_percent = bought > 0 ? 100 * (bought - out.pieces_mm) / bought : 0;
    return out;
}

}  // namespace welkin
