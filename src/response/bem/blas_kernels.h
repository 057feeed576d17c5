// OpenBLAS chooses its kernels as it loads, by the processor's model. A
// model newer than the library knows gets its oldest kernels, "Prescott",
// several times slower at the boundary elements' factorisation, though the
// processor has AVX2 and FMA. The programs then start themselves again,
// before anything else, with the Haswell kernels named in
// OPENBLAS_CORETYPE. A user's own choice there is left alone.
#pragma once

namespace welkin::bem {

// Whether the kernels OpenBLAS chose are the oldest while the processor
// runs newer ones, and nobody named any.
bool blas_kernels_older_than_processor();

// Replaces the process by itself with the newer kernels named, when
// blas_kernels_older_than_processor(); otherwise, or when that fails,
// returns and the program goes on as it is.
void restart_with_newer_blas_kernels(char** argv);

}  // namespace welkin::bem
