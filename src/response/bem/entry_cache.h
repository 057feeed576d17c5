// Entries of the system matrix that several pairs of elements share. An
// entry depends only on the two elements' directions and lengths and where
// one lies from the other, so the
// periods of a diffuser, its wells of equal depth and the elements of a flat
// strip repeat the same few. A fixed-size open-addressed table keeps them;
// once three quarters full it keeps no more.
#pragma once

#include <algorithm>
#include <bit>
#include <complex>
#include <cstdint>
#include <vector>

#include "response/bem/boundary.h"

namespace welkin::bem {

// Two independent hashes of the pair's quantised shape and offset; two
// different pairs sharing both is far less likely than a rounding error.
struct EntryKey {
    std::uint64_t first = 0;
    std::uint64_t second = 0;
    friend bool operator==(const EntryKey&, const EntryKey&) = default;
};

EntryKey key_of(const Mesh& mesh, std::size_t i, std::size_t j);

inline constexpr std::size_t max_entry_slots = std::size_t{1} << 20;

// The values are whatever one pair of elements gives: an entry, or a block
// of entries.
template <typename Value>
class EntryCache {
public:
    struct Slot {
        EntryKey key;
        Value value{};
        bool used = false;
    };

    // Room for about half of an n x n matrix's entries, at most 2^20.
    explicit EntryCache(std::size_t elements)
        : slots_(std::clamp<std::size_t>(std::bit_ceil(elements * elements / 2 + 1), 16,
                                         max_entry_slots)) {}

    const Value* find(const EntryKey& key) const {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t s = home(key);; s = (s + 1) & mask) {
            const Slot& slot = slots_[s];
            if (!slot.used) return nullptr;
            if (slot.key == key) return &slot.value;
        }
    }

    void insert(const EntryKey& key, const Value& value) {
        if (4 * (used_ + 1) > 3 * slots_.size()) return;
        const std::size_t mask = slots_.size() - 1;
        std::size_t s = home(key);
        while (slots_[s].used) s = (s + 1) & mask;
        slots_[s] = {key, value, true};
        ++used_;
    }

private:
    std::size_t home(const EntryKey& key) const { return key.first & (slots_.size() - 1); }
    std::vector<Slot> slots_;
    std::size_t used_ = 0;
};

}  // namespace welkin::bem
