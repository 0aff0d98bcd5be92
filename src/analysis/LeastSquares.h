#pragma once
// A small symmetric positive-definite system solved by Cholesky: the
// solution and the diagonal of the inverse (the variance share of each
// unknown, including what it shares with its neighbours).

#include <vector>

namespace torvana {

struct LeastSquaresSolution {
    bool ok = false;  // false when the matrix is not positive definite
    std::vector<double> x;
    std::vector<double> inverseDiagonal;
};

// matrix: n x n, row by row, symmetric.
LeastSquaresSolution SolveSymmetric(std::vector<double> matrix, const std::vector<double>& right);

}  // namespace torvana
