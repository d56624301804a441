#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "tools/Tm2DMatrix.h"

namespace {

CTm2DMatrix FromRows(std::initializer_list<std::initializer_list<double>> rows)
{
    CTm2DMatrix m(unsigned(rows.size()), unsigned(rows.begin()->size()));
    unsigned i = 0;
    for (const auto& row : rows) {
        unsigned j = 0;
        for (double v : row)
            m(i, j++) = v;
        ++i;
    }
    return m;
}

void ExpectMatrix(const CTm2DMatrix& m, std::initializer_list<std::initializer_list<double>> rows,
                  double tolerance = 1e-12)
{
    ASSERT_EQ(m.RowCount(), rows.size());
    unsigned i = 0;
    for (const auto& row : rows) {
        ASSERT_EQ(m.ColCount(), row.size());
        unsigned j = 0;
        for (double v : row) {
            EXPECT_NEAR(m(i, j), v, tolerance) << "element (" << i << ", " << j << ")";
            ++j;
        }
        ++i;
    }
}

double MaxDeviationFromIdentity(const CTm2DMatrix& m)
{
    double worst = 0;
    for (unsigned i = 0; i < m.RowCount(); ++i)
        for (unsigned j = 0; j < m.ColCount(); ++j)
            worst = std::max(worst, std::fabs(m(i, j) - (i == j ? 1.0 : 0.0)));
    return worst;
}

}  // namespace

TEST(Tm2DMatrix, ConstructorsFillAndCopyIsDeep)
{
    CTm2DMatrix empty;
    EXPECT_EQ(empty.RowCount(), 0u);
    EXPECT_EQ(empty.ColCount(), 0u);
    ExpectMatrix(CTm2DMatrix(2, 3), {{0, 0, 0}, {0, 0, 0}});
    CTm2DMatrix sevens(2, 2, 7.0);
    ExpectMatrix(sevens, {{7, 7}, {7, 7}});

    CTm2DMatrix copy(sevens);
    copy(0, 1) = 1.0;
    EXPECT_EQ(sevens(0, 1), 7.0);
    CTm2DMatrix assigned;
    assigned = copy;
    copy(1, 1) = 2.0;
    ExpectMatrix(assigned, {{7, 1}, {7, 7}});
    assigned = 3.5;
    ExpectMatrix(assigned, {{3.5, 3.5}, {3.5, 3.5}});
}

TEST(Tm2DMatrix, ReallocKeepsContentsOnlyWhenTheSizesStay)
{
    CTm2DMatrix m(2, 2, 4.0);
    m.Realloc(2, 2);
    ExpectMatrix(m, {{4, 4}, {4, 4}});
    m.Realloc(1, 3);
    ExpectMatrix(m, {{0, 0, 0}});
    m.Initialize(2, 1);  // over existing storage: released first
    ExpectMatrix(m, {{0}, {0}});
    m.Release();
    EXPECT_EQ(m.RowCount(), 0u);
    EXPECT_EQ(m.ColCount(), 0u);
}

TEST(Tm2DMatrix, ArithmeticOfMatchingSizes)
{
    CTm2DMatrix a = FromRows({{1, 2, 3}, {4, 5, 6}});
    CTm2DMatrix b = FromRows({{7, 8}, {9, 10}, {11, 12}});
    ExpectMatrix(a * b, {{58, 64}, {139, 154}});
    ExpectMatrix(b * a, {{39, 54, 69}, {49, 68, 87}, {59, 82, 105}});
    CTm2DMatrix c(a);
    c *= b;
    ExpectMatrix(c, {{58, 64}, {139, 154}});

    ExpectMatrix(a * 2.0, {{2, 4, 6}, {8, 10, 12}});
    ExpectMatrix(a + a, {{2, 4, 6}, {8, 10, 12}});
    ExpectMatrix(a - a * 3.0, {{-2, -4, -6}, {-8, -10, -12}});
    CTm2DMatrix d(a);
    d += a;
    d -= FromRows({{1, 1, 1}, {1, 1, 1}});
    d *= 0.5;
    ExpectMatrix(d, {{0.5, 1.5, 2.5}, {3.5, 4.5, 5.5}});
}

// Operands of different sizes: the left operand's size rules and elements
// the right operand lacks count as 0 (run under AddressSanitizer, these
// also show that no access reaches outside either matrix).
TEST(Tm2DMatrix, MismatchedOperandsStayInsideBothMatrices)
{
    CTm2DMatrix big = FromRows({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    CTm2DMatrix small = FromRows({{10, 20}});
    ExpectMatrix(big + small, {{11, 22, 3}, {4, 5, 6}, {7, 8, 9}});
    ExpectMatrix(big - small, {{-9, -18, 3}, {4, 5, 6}, {7, 8, 9}});
    ExpectMatrix(small + big, {{11, 22}});
    // 3x3 times 1x2: rows 1 and 2 of the right operand are missing.
    ExpectMatrix(big * small, {{10, 20}, {40, 80}, {70, 140}});
    // 1x2 times 3x3: the sum runs over the left operand's two columns.
    ExpectMatrix(small * big, {{90, 120, 150}});

    CTm2DMatrix empty;
    ExpectMatrix(big + empty, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    CTm2DMatrix product = big * empty;
    EXPECT_EQ(product.RowCount(), 3u);
    EXPECT_EQ(product.ColCount(), 0u);
    CTm2DMatrix e2 = empty * big;
    EXPECT_EQ(e2.RowCount(), 0u);
    small *= big;
    ExpectMatrix(small, {{90, 120, 150}});
}

TEST(Tm2DMatrix, TransportMakesTheTransposeAlsoOfItself)
{
    CTm2DMatrix a = FromRows({{1, 2, 3}, {4, 5, 6}});
    CTm2DMatrix t(5, 5, 9.0);
    t.Transport(a);
    ExpectMatrix(t, {{1, 4}, {2, 5}, {3, 6}});
    a.Transport(a);
    ExpectMatrix(a, {{1, 4}, {2, 5}, {3, 6}});
}

TEST(Tm2DMatrix, InverseSwapsRowsOfThePermutation)
{
    CTm2DMatrix m = FromRows({{0, 1}, {1, 0}});
    ASSERT_TRUE(m.Inverse());
    ExpectMatrix(m, {{0, 1}, {1, 0}});

    CTm2DMatrix k = FromRows({{4, 7}, {2, 6}});
    ASSERT_TRUE(k.Inverse());
    ExpectMatrix(k, {{0.6, -0.7}, {-0.2, 0.4}});
}

TEST(Tm2DMatrix, InversePivotsOnTheLargestValueOfTheColumn)
{
    // The first row's 1e-6 is below the pivot tolerance; the largest value
    // of the column (the second row's 1) is a sound pivot.
    CTm2DMatrix m = FromRows({{1e-6, 1}, {1, 0}});
    ASSERT_TRUE(m.Inverse());
    ExpectMatrix(m, {{0, 1}, {1, -1e-6}});
}

TEST(Tm2DMatrix, InverseRefusesSingularAndNonSquareMatricesAndLeavesThem)
{
    CTm2DMatrix zeroColumn = FromRows({{1, 0, 2}, {3, 0, 4}, {5, 0, 6}});
    EXPECT_FALSE(zeroColumn.Inverse());
    ExpectMatrix(zeroColumn, {{1, 0, 2}, {3, 0, 4}, {5, 0, 6}});

    CTm2DMatrix dependent = FromRows({{1, 2}, {2, 4}});
    EXPECT_FALSE(dependent.Inverse());
    ExpectMatrix(dependent, {{1, 2}, {2, 4}});

    CTm2DMatrix wide = FromRows({{1, 2, 3}, {4, 5, 6}});
    EXPECT_FALSE(wide.Inverse());

    CTm2DMatrix empty;
    EXPECT_TRUE(empty.Inverse());  // the empty matrix is its own inverse
}

TEST(Tm2DMatrix, RandomInvertibleMatricesTimesTheirInverseAreTheIdentity)
{
    std::mt19937 random(20240607);
    std::uniform_real_distribution<double> value(-10.0, 10.0);
    int inverted = 0;
    for (int trial = 0; trial < 300; ++trial) {
        unsigned n = 1 + trial % 8;
        CTm2DMatrix a(n, n);
        for (unsigned i = 0; i < n; ++i)
            for (unsigned j = 0; j < n; ++j)
                a(i, j) = value(random);
        // Every third matrix has a zero diagonal, so that each column needs
        // a row exchange.
        if (trial % 3 == 0 && n > 1)
            for (unsigned i = 0; i < n; ++i)
                a(i, i) = 0.0;
        CTm2DMatrix inverse(a);
        if (!inverse.Inverse())
            continue;
        ++inverted;
        EXPECT_LT(MaxDeviationFromIdentity(a * inverse), 1e-9) << "trial " << trial;
        EXPECT_LT(MaxDeviationFromIdentity(inverse * a), 1e-9) << "trial " << trial;
    }
    EXPECT_GT(inverted, 290);
}
