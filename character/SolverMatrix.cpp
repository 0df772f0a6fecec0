#include "character/SolverMatrix.h"

#include <cstdlib>
#include <new>
#include <utility>

SolverMatrix::SolverMatrix(std::int32_t columnCount, std::int32_t rowCount)
{
    Allocate(columnCount, rowCount);
}

SolverMatrix::~SolverMatrix()
{
    Release();
}

void SolverMatrix::Allocate(std::int32_t columnCount, std::int32_t rowCount)
{
    Release();
    if (columnCount < 0 || rowCount < 0) {
        throw std::bad_alloc();
    }
    data = static_cast<double**>(std::malloc(sizeof(double*) * static_cast<std::size_t>(rowCount ? rowCount : 1)));
    if (!data) {
        throw std::bad_alloc();
    }
    // Every row pointer starts null so that a failure part-way can free what was obtained.
    for (std::int32_t r = 0; r < rowCount; ++r) {
        data[r] = nullptr;
    }
    rows = rowCount;
    columns = columnCount;
    const std::size_t rowBytes = sizeof(double) * static_cast<std::size_t>(columnCount ? columnCount : 1);
    for (std::int32_t r = 0; r < rowCount; ++r) {
        data[r] = static_cast<double*>(std::malloc(rowBytes));
        if (!data[r]) {
            Release();
            throw std::bad_alloc();
        }
        for (std::int32_t c = 0; c < columnCount; ++c) {
            data[r][c] = 0.0;
        }
    }
}

void SolverMatrix::Release()
{
    if (!data) {
        return;
    }
    for (std::int32_t r = 0; r < rows; ++r) {
        std::free(data[r]);
    }
    std::free(data);
    data = nullptr;
    rows = 0;
    columns = 0;
}

void SolverMatrix::SwapRows(std::int32_t a, std::int32_t b)
{
    std::swap(data[a], data[b]);
}

void SolverMatrix::Solve()
{
    std::int32_t lead = 0;
    for (std::int32_t r = 0; r < rows; ++r) {
        // The column test keeps a matrix with more rows than columns inside its storage.
        if (lead >= rows || lead >= columns) {
            return;
        }
        std::int32_t i = r;
        // Exact test on purpose: the systems solved here have small integer coefficients.
        while (data[i][lead] == 0.0) {
            ++i;
            if (i == rows) {
                i = r;
                ++lead;
                if (lead == columns) {
                    return;
                }
            }
        }
        if (i != r) {
            SwapRows(i, r);
        }

        double* pivotRow = data[r];
        const double q = 1.0 / pivotRow[lead];
        for (std::int32_t l = 0; l < columns; ++l) {
            pivotRow[l] *= q;
        }
        for (std::int32_t k = 0; k < rows; ++k) {
            if (k == r) {
                continue;
            }
            double* row = data[k];
            const double m = row[lead];
            for (std::int32_t l = 0; l < columns; ++l) {
                row[l] = pivotRow[l] * (-m) + row[l];
            }
        }
        ++lead;
    }
}
