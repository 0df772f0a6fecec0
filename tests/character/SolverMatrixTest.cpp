// The spline fit's linear solver: Gauss-Jordan elimination to reduced row echelon form with
// exact-zero pivot tests, row swaps by pointer, and skipped empty columns. Expected results are
// worked out by hand for each small system.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "character/SolverMatrix.h"

namespace {

// The matrix owns raw rows and cannot be copied or moved, hence the pointer.
std::unique_ptr<SolverMatrix> MakeMatrix(const std::vector<std::vector<double>>& rows)
{
    auto m = std::make_unique<SolverMatrix>(static_cast<std::int32_t>(rows[0].size()),
                                            static_cast<std::int32_t>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            m->At(static_cast<std::int32_t>(r), static_cast<std::int32_t>(c)) = rows[r][c];
        }
    }
    return m;
}

void ExpectMatrix(const SolverMatrix& m, const std::vector<std::vector<double>>& expected, double tolerance)
{
    ASSERT_EQ(m.Rows(), static_cast<std::int32_t>(expected.size()));
    for (std::size_t r = 0; r < expected.size(); ++r) {
        ASSERT_EQ(m.Columns(), static_cast<std::int32_t>(expected[r].size()));
        for (std::size_t c = 0; c < expected[r].size(); ++c) {
            EXPECT_NEAR(m.At(static_cast<std::int32_t>(r), static_cast<std::int32_t>(c)), expected[r][c], tolerance)
                << "row " << r << ", column " << c;
        }
    }
}

}  // namespace

// Storage: a new matrix has the requested shape (columns first) and holds zeros, and can be
// reshaped and released any number of times.
TEST(SolverMatrixStorage, StartsAsZerosOfTheRequestedShape)
{
    SolverMatrix m(5, 3);
    ExpectMatrix(m, {{0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}}, 0.0);
}

TEST(SolverMatrixStorage, AllocateReplacesContentsAndReleaseIsRepeatable)
{
    SolverMatrix m(2, 2);
    m.At(1, 1) = 7.0;
    m.Allocate(3, 4);
    ExpectMatrix(m, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}, 0.0);
    m.Release();
    m.Release();
    EXPECT_EQ(m.Rows(), 0);
}

TEST(SolverMatrixStorage, SwappingRowsExchangesPointersNotValues)
{
    const auto owned = MakeMatrix({{1, 2}, {3, 4}});
    SolverMatrix& m = *owned;
    const double* first = m.Row(0);
    const double* second = m.Row(1);
    m.SwapRows(0, 1);
    EXPECT_EQ(m.Row(0), second);
    EXPECT_EQ(m.Row(1), first);
    EXPECT_EQ(m.At(0, 0), 3.0);
    EXPECT_EQ(m.At(1, 1), 2.0);
}

// Regular systems end as the identity beside the solution.
TEST(SolverMatrixSolve, TwoByTwoSystem)
{
    // 2x + y = 5, x + 3y = 10  ->  x = 1, y = 3
    const auto owned = MakeMatrix({{2, 1, 5}, {1, 3, 10}});
    SolverMatrix& m = *owned;
    m.Solve();
    ExpectMatrix(m, {{1, 0, 1}, {0, 1, 3}}, 1e-12);
}

TEST(SolverMatrixSolve, ThreeByThreeSystem)
{
    // x + y + z = 2, 2x - y + 3z = 13, -x + 2y + z = -2  ->  x = 1, y = -2, z = 3
    const auto owned = MakeMatrix({{1, 1, 1, 2}, {2, -1, 3, 13}, {-1, 2, 1, -2}});
    SolverMatrix& m = *owned;
    m.Solve();
    ExpectMatrix(m, {{1, 0, 0, 1}, {0, 1, 0, -2}, {0, 0, 1, 3}}, 1e-12);
}

// A zero where the pivot should be is replaced by the first lower row with a non-zero entry.
TEST(SolverMatrixSolve, ZeroPivotIsReplacedByALowerRow)
{
    // y = 2, x = 3: the first row has no x.
    const auto owned = MakeMatrix({{0, 1, 2}, {1, 0, 3}});
    SolverMatrix& m = *owned;
    const double* firstRow = m.Row(0);
    m.Solve();
    ExpectMatrix(m, {{1, 0, 3}, {0, 1, 2}}, 0.0);
    EXPECT_EQ(m.Row(1), firstRow);
}

// The pivot test is exact: a tiny non-zero entry is used as it is, not traded for a larger one.
// Here that loses x entirely (a magnitude-based pivot choice would find x = 1).
TEST(SolverMatrixSolve, TinyNonZeroPivotIsKept)
{
    const auto owned = MakeMatrix({{1e-20, 1, 1}, {1, 1, 2}});
    SolverMatrix& m = *owned;
    const double* firstRow = m.Row(0);
    m.Solve();
    EXPECT_EQ(m.Row(0), firstRow);
    EXPECT_EQ(m.At(0, 2), 0.0);
    EXPECT_EQ(m.At(1, 2), 1.0);
}

// Singular systems: a column without a non-zero entry at or below the current row is skipped,
// and elimination stops once the lead column reaches the row count.
TEST(SolverMatrixSolve, EmptyColumnIsSkipped)
{
    const auto owned = MakeMatrix({{0, 2, 4}, {0, 1, 3}});
    SolverMatrix& m = *owned;
    m.Solve();
    // Pivot on column 1, then the lead (2) reaches the row count and the solve stops.
    ExpectMatrix(m, {{0, 1, 2}, {0, 0, 1}}, 0.0);
}

TEST(SolverMatrixSolve, DependentRowsLeaveAZeroRow)
{
    // Row 2 is 3 x row 0; row 1 differs from 2 x row 0 only in z.
    const auto owned = MakeMatrix({{1, 2, 3, 1}, {2, 4, 5, 2}, {3, 6, 9, 3}});
    SolverMatrix& m = *owned;
    m.Solve();
    ExpectMatrix(m, {{1, 2, 0, 1}, {0, 0, 1, 0}, {0, 0, 0, 0}}, 1e-12);
}

TEST(SolverMatrixSolve, MoreRowsThanColumnsStaysInsideTheMatrix)
{
    const auto owned = MakeMatrix({{2}, {4}, {6}});
    SolverMatrix& m = *owned;
    m.Solve();
    ExpectMatrix(m, {{1}, {0}, {0}}, 0.0);
}
