// How a system matrix is assembled: on how many threads, whether pairs of
// one shape share their entries, and when to stop.
#pragma once

#include <atomic>
#include <complex>

namespace welkin::bem {

using Complex = std::complex<double>;

struct Assembly {
    int threads = 1;
    // Pairs of elements of one shape at one offset (the periods of a
    // diffuser, its equal wells, a flat strip) share their entry.
    bool reuse = true;
    // Stops early, the matrix then meaningless, when it becomes true.
    const std::atomic<bool>* cancel = nullptr;
};

}  // namespace welkin::bem
