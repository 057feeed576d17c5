// The elements of a repeating mesh that are copies of one another. Two
// elements are copies when one is the other moved a whole number of cells
// along x: same direction and length, same place within its cell. Every
// integral of a pair of elements depends only on where one lies from the
// other, so the pairs (copy in cell c, copy in cell c + d) of two such
// families share one value for every c: a diffuser of P periods needs
// about 2/P of its pairs computed.
#pragma once

#include <cstddef>
#include <vector>

#include "response/bem/boundary.h"

namespace welkin::bem {

struct Repeats {
    int cells = 1;
    // Per family, its element in each cell 0 .. cells - 1.
    std::vector<std::vector<std::size_t>> families;
    // The elements without a copy in every cell (the ends of the whole
    // boundary, where one period's edge meets no neighbour), in order.
    std::vector<std::size_t> others;
};

// With no repeat in the mesh, or none found, every element is an other.
Repeats repeats_of(const Mesh& mesh);

}  // namespace welkin::bem
