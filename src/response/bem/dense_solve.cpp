#include "response/bem/dense_solve.h"

#include <complex>
#include <limits>
#include <vector>

extern "C" {
// LAPACK's LU factorisation with partial pivoting and its solve (Fortran
// names; the last argument is the hidden length of the character one).
void zgetrf_(const int* m, const int* n, std::complex<double>* a, const int* lda, int* pivots,
             int* info);
void zgetrs_(const char* trans, const int* n, const int* columns, const std::complex<double>* a,
             const int* lda, const int* pivots, std::complex<double>* b, const int* ldb, int* info,
             std::size_t trans_length);
// OpenBLAS's own; weak, so that another LAPACK without them still links.
int openblas_get_num_threads() __attribute__((weak));
void openblas_set_num_threads(int threads) __attribute__((weak));
}

namespace welkin::bem {

bool solve_in_place(Eigen::MatrixXcd& a, Eigen::MatrixXcd& b) {
    constexpr auto most = static_cast<Eigen::Index>(std::numeric_limits<int>::max());
    if (a.rows() != a.cols() || b.rows() != a.rows() || a.rows() == 0 || a.rows() > most ||
        b.cols() > most) {
        return false;
    }
    const int n = static_cast<int>(a.rows());
    const int columns = static_cast<int>(b.cols());
    std::vector<int> pivots(static_cast<std::size_t>(n));
    int info = 0;
    zgetrf_(&n, &n, a.data(), &n, pivots.data(), &info);
    if (info != 0) return false;
    if (columns == 0) return true;
    const char plain = 'N';
    zgetrs_(&plain, &n, &columns, a.data(), &n, pivots.data(), b.data(), &n, &info, 1);
    return info == 0;
}

OneBlasThread::OneBlasThread() {
    if (openblas_get_num_threads == nullptr || openblas_set_num_threads == nullptr) return;
    before_ = openblas_get_num_threads();
    openblas_set_num_threads(1);
}

OneBlasThread::~OneBlasThread() {
    if (before_ > 0 && openblas_set_num_threads != nullptr) openblas_set_num_threads(before_);
}

}  // namespace welkin::bem
