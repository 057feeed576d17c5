// How a system matrix is assembled: on how many threads, whether the
// pairs of a repeating boundary's copies share their entries, and when to
// stop.
#pragma once

#include <atomic>
#include <complex>

namespace welkin::bem {

using Complex = std::complex<double>;

struct Assembly {
    int threads = 1;
    // Pairs of copies as far apart as each other, cell for cell (the
    // periods of a diffuser), share their entries (repeats.h).
    bool reuse = true;
    // Stops early, the matrix then meaningless, when it becomes true.
    const std::atomic<bool>* cancel = nullptr;
    // Thin panels: fills the lower triangle only, all that the symmetric
    // solve reads, the rest left zero.
    bool lower_only = false;
};

}  // namespace welkin::bem
