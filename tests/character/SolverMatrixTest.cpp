// The spline fit's solver: Gauss-Jordan elimination to reduced row echelon form with exact-zero
// pivot tests, row swaps by pointer and skipped empty columns. Expected results are worked out
// by hand.
#include <gtest/gtest.h>

#include <vector>

#include "character/SolverMatrix.h"

namespace {

using Rows = std::vector<std::vector<double>>;

void Fill(SolverMatrix& m, const Rows& rows)
{
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            m.At(static_cast<std::int32_t>(r), static_cast<std::int32_t>(c)) = rows[r][c];
        }
    }
}

Rows Contents(const SolverMatrix& m)
{
    Rows rows(m.Rows(), std::vector<double>(m.Columns()));
    for (std::int32_t r = 0; r < m.Rows(); ++r) {
        for (std::int32_t c = 0; c < m.Columns(); ++c) {
            rows[r][c] = m.At(r, c) + 0.0;  // + 0.0 folds -0 into 0
        }
    }
    return rows;
}

struct SolveCase {
    const char* what;
    Rows input;
    Rows expected;
};

}  // namespace

TEST(SolverMatrix, StartsAsZerosOfTheRequestedShapeAndReleasesRepeatably)
{
    SolverMatrix m(3, 2);  // columns first
    EXPECT_EQ(Contents(m), Rows({{0, 0, 0}, {0, 0, 0}}));
    m.Release();
    m.Release();
    EXPECT_EQ(m.Rows(), 0);
}

// Each system uses small integers, so elimination is exact and the results compare equal.
TEST(SolverMatrix, ReducesToReducedRowEchelonForm)
{
    const SolveCase cases[] = {
        {"2x + y = 5, x + 3y = 10", {{2, 1, 5}, {1, 3, 10}}, {{1, 0, 1}, {0, 1, 3}}},
        {"zero pivot: a lower row is swapped up", {{0, 1, 2}, {1, 0, 3}}, {{1, 0, 3}, {0, 1, 2}}},
        {"empty column skipped; stops when the lead reaches the row count", {{0, 2, 4}, {0, 1, 3}},
         {{0, 1, 2}, {0, 0, 1}}},
        {"dependent rows leave a zero row",
         {{1, 2, 3, 1}, {2, 4, 5, 2}, {3, 6, 9, 3}},
         {{1, 2, 0, 1}, {0, 0, 1, 0}, {0, 0, 0, 0}}},
        {"more rows than columns stays inside the matrix", {{2}, {4}, {6}}, {{1}, {0}, {0}}},
    };
    for (const SolveCase& c : cases) {
        SolverMatrix m(static_cast<std::int32_t>(c.input[0].size()), static_cast<std::int32_t>(c.input.size()));
        Fill(m, c.input);
        m.Solve();
        EXPECT_EQ(Contents(m), c.expected) << c.what;
    }
}

// The pivot test is exact: a tiny non-zero pivot is used as it is, not traded for a larger one.
// Here that loses x entirely (a magnitude-based choice would find x = 1, y = 1).
TEST(SolverMatrix, KeepsATinyNonZeroPivot)
{
    SolverMatrix m(3, 2);
    Fill(m, {{1e-20, 1, 1}, {1, 1, 2}});
    m.Solve();
    EXPECT_EQ(Contents(m), Rows({{1, 0, 0}, {0, 1, 1}}));
}
