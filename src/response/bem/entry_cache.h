// Entries of the system matrix that several pairs of elements share. An
// entry depends only on the collocation element's direction, the other
// element's direction and length, and where one lies from the other, so the
// periods of a diffuser, its wells of equal depth and the elements of a flat
// strip repeat the same few. A fixed-size open-addressed table keeps them;
// once three quarters full it keeps no more.
#pragma once

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

class EntryCache {
public:
    // Room for about half of an n x n matrix's entries, at most 2^20.
    explicit EntryCache(std::size_t elements);
    const std::complex<double>* find(const EntryKey& key) const;
    void insert(const EntryKey& key, std::complex<double> value);

private:
    struct Slot {
        EntryKey key;
        std::complex<double> value;
        bool used = false;
    };
    std::size_t home(const EntryKey& key) const { return key.first & (slots_.size() - 1); }
    std::vector<Slot> slots_;
    std::size_t used_ = 0;
};

}  // namespace welkin::bem
