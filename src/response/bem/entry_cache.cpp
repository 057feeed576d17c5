#include "response/bem/entry_cache.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace welkin::bem {

namespace {

// Offsets and lengths to a hundredth of a nanometre, directions to 1e-11: far finer
// than any element, far coarser than the arithmetic's noise.
std::int64_t quantised(double x) {
    return std::llround(x * 1e11);
}

std::uint64_t mix(std::uint64_t h, std::int64_t v, std::uint64_t salt) {
    // splitmix64 of the running value and the next field.
    std::uint64_t z = h ^ (static_cast<std::uint64_t>(v) + salt + (h << 6) + (h >> 2));
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

}  // namespace

EntryKey key_of(const Mesh& mesh, std::size_t i, std::size_t j) {
    const Element& a = mesh.elements[i];
    const Element& b = mesh.elements[j];
    const std::array<std::int64_t, 8> fields = {
        quantised(a.direction.x), quantised(a.direction.y),       quantised(a.length),
        quantised(b.direction.x), quantised(b.direction.y),       quantised(b.length),
        quantised(a.centre.x - b.centre.x), quantised(a.centre.y - b.centre.y)};
    EntryKey key{0x243f6a8885a308d3ULL, 0x13198a2e03707344ULL};
    for (std::int64_t f : fields) {
        key.first = mix(key.first, f, 0x9e3779b97f4a7c15ULL);
        key.second = mix(key.second, f, 0xc2b2ae3d27d4eb4fULL);
    }
    return key;
}

}  // namespace welkin::bem
