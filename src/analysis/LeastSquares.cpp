#include "analysis/LeastSquares.h"

#include <cmath>
#include <cstddef>

namespace torvana {

namespace {

// L y = b, then L^T x = y, with L in the lower triangle of a.
std::vector<double> Substitute(const std::vector<double>& a, std::size_t n, std::vector<double> b)
{
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t k = 0; k < i; ++k)
            b[i] -= a[i * n + k] * b[k];
        b[i] /= a[i * n + i];
    }
    for (std::size_t i = n; i-- > 0;) {
        for (std::size_t k = i + 1; k < n; ++k)
            b[i] -= a[k * n + i] * b[k];
        b[i] /= a[i * n + i];
    }
    return b;
}

}  // namespace

LeastSquaresSolution SolveSymmetric(std::vector<double> a, const std::vector<double>& right)
{
    LeastSquaresSolution result;
    const std::size_t n = right.size();
    for (std::size_t j = 0; j < n; ++j) {
        double diagonal = a[j * n + j];
        for (std::size_t k = 0; k < j; ++k)
            diagonal -= a[j * n + k] * a[j * n + k];
        if (!(diagonal > 0))
            return result;
        a[j * n + j] = std::sqrt(diagonal);
        for (std::size_t i = j + 1; i < n; ++i) {
            double sum = a[i * n + j];
            for (std::size_t k = 0; k < j; ++k)
                sum -= a[i * n + k] * a[j * n + k];
            a[i * n + j] = sum / a[j * n + j];
        }
    }
    result.x = Substitute(a, n, right);
    result.inverseDiagonal.resize(n);
    std::vector<double> unit(n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        unit[i] = 1.0;
        result.inverseDiagonal[i] = Substitute(a, n, unit)[i];
        unit[i] = 0.0;
    }
    result.ok = true;
    return result;
}

}  // namespace torvana
