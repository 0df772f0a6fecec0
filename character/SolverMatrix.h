#pragma once
// A dense matrix of doubles for fitting the path's spline: an augmented linear system reduced
// in place by Gauss-Jordan elimination. Each row is allocated on its own so that swapping two
// rows only exchanges their pointers.
#include <cstdint>

class SolverMatrix {
public:
    // A columns x rows matrix of zeros.
    SolverMatrix(std::int32_t columns, std::int32_t rows);
    ~SolverMatrix();
    SolverMatrix(const SolverMatrix&) = delete;
    SolverMatrix& operator=(const SolverMatrix&) = delete;

    // Replaces the storage by a columns x rows matrix of zeros. Throws std::bad_alloc, holding
    // nothing, when the memory cannot be had.
    void Allocate(std::int32_t columns, std::int32_t rows);
    // Gives the storage back; harmless when there is none.
    void Release();

    double& At(std::int32_t row, std::int32_t column) { return data[row][column]; }
    double At(std::int32_t row, std::int32_t column) const { return data[row][column]; }
    const double* Row(std::int32_t row) const { return data[row]; }
    std::int32_t Columns() const { return columns; }
    std::int32_t Rows() const { return rows; }

    void SwapRows(std::int32_t a, std::int32_t b);
    // Reduces the matrix to reduced row echelon form. Pivots are the first exactly non-zero
    // entries found going down a column; a column with none at or below the current row is
    // skipped.
    void Solve();

private:
    double** data = nullptr;
    std::int32_t columns = 0;
    std::int32_t rows = 0;
};
