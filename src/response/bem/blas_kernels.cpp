#include "response/bem/blas_kernels.h"

#include <unistd.h>

#include <cstdlib>
#include <string_view>

extern "C" {
// OpenBLAS's own; weak, so that another BLAS without it still links.
char* openblas_get_corename() __attribute__((weak));
}

namespace welkin::bem {

namespace {

constexpr const char* kernels_variable = "OPENBLAS_CORETYPE";

}  // namespace

bool blas_kernels_older_than_processor() {
    if (openblas_get_corename == nullptr || std::getenv(kernels_variable) != nullptr) return false;
    const char* chosen = openblas_get_corename();
    if (chosen == nullptr || std::string_view(chosen) != "Prescott") return false;
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
}

void restart_with_newer_blas_kernels(char** argv) {
    if (argv == nullptr || argv[0] == nullptr || !blas_kernels_older_than_processor()) return;
    // Set, the variable also keeps the new process from starting again.
    if (setenv(kernels_variable, "Haswell", 1) != 0) return;
    execv("/proc/self/exe", argv);
    unsetenv(kernels_variable);
}

}  // namespace welkin::bem
