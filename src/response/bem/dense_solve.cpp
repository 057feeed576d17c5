#include "response/bem/dense_solve.h"

#include <algorithm>
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
// The same for a complex symmetric matrix, from one triangle.
void zsytrf_(const char* uplo, const int* n, std::complex<double>* a, const int* lda, int* pivots,
             std::complex<double>* work, const int* work_size, int* info, std::size_t uplo_length);
void zsytrs_(const char* uplo, const int* n, const int* columns, const std::complex<double>* a,
             const int* lda, const int* pivots, std::complex<double>* b, const int* ldb, int* info,
             std::size_t uplo_length);
// OpenBLAS's own; weak, so that another LAPACK without them still links.
int openblas_get_num_threads() __attribute__((weak));
void openblas_set_num_threads(int threads) __attribute__((weak));
}

namespace welkin::bem {

namespace {

bool factorise_general(Eigen::MatrixXcd& a, Eigen::MatrixXcd& b, std::vector<int>& pivots) {
    const int n = static_cast<int>(a.rows());
    const int columns = static_cast<int>(b.cols());
    int info = 0;
    zgetrf_(&n, &n, a.data(), &n, pivots.data(), &info);
    if (info != 0) return false;
    if (columns == 0) return true;
    const char plain = 'N';
    zgetrs_(&plain, &n, &columns, a.data(), &n, pivots.data(), b.data(), &n, &info, 1);
    return info == 0;
}

bool factorise_symmetric(Eigen::MatrixXcd& a, Eigen::MatrixXcd& b, std::vector<int>& pivots) {
    const int n = static_cast<int>(a.rows());
    const int columns = static_cast<int>(b.cols());
    const char lower = 'L';
    int info = 0;
    std::complex<double> best_size;
    int ask = -1;
    zsytrf_(&lower, &n, a.data(), &n, pivots.data(), &best_size, &ask, &info, 1);
    if (info != 0) return false;
    int work_size = std::max(1, static_cast<int>(best_size.real()));
    std::vector<std::complex<double>> work(static_cast<std::size_t>(work_size));
    zsytrf_(&lower, &n, a.data(), &n, pivots.data(), work.data(), &work_size, &info, 1);
    if (info != 0) return false;
    if (columns == 0) return true;
    zsytrs_(&lower, &n, &columns, a.data(), &n, pivots.data(), b.data(), &n, &info, 1);
    return info == 0;
}

}  // namespace

bool solve_in_place(Eigen::MatrixXcd& a, Eigen::MatrixXcd& b, Symmetry symmetry) {
    constexpr auto most = static_cast<Eigen::Index>(std::numeric_limits<int>::max());
    if (a.rows() != a.cols() || b.rows() != a.rows() || a.rows() == 0 || a.rows() > most ||
        b.cols() > most) {
        return false;
    }
    std::vector<int> pivots(static_cast<std::size_t>(a.rows()));
    return symmetry == Symmetry::symmetric ? factorise_symmetric(a, b, pivots)
                                           : factorise_general(a, b, pivots);
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
