// The dense complex solve, by the system's LAPACK (OpenBLAS): its blocked,
// vectorised factorisation is several times faster than Eigen's own in a
// portable build, and the factorisation is most of a band table's time.
#pragma once

#include <Eigen/Dense>

namespace welkin::bem {

// A matrix equal to its transpose (not its adjoint) is factorised from its
// lower triangle alone, with symmetric pivoting: about 1.6 times faster.
enum class Symmetry { general, symmetric };

// Solves a x = b for every column of b, overwriting a with its factors and
// b with the solutions. False, with b unchanged, when a is singular or the
// sizes do not fit.
bool solve_in_place(Eigen::MatrixXcd& a, Eigen::MatrixXcd& b,
                    Symmetry symmetry = Symmetry::general);

// While one lives, the linear algebra works on the calling thread alone,
// for solves that already run side by side, one to a core; it puts back
// the number of threads it found.
class OneBlasThread {
public:
    OneBlasThread();
    ~OneBlasThread();
    OneBlasThread(const OneBlasThread&) = delete;
    OneBlasThread& operator=(const OneBlasThread&) = delete;

private:
    int before_ = 0;
};

}  // namespace welkin::bem
