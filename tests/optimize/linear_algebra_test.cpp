#include "optimize/linear_algebra.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "numeric/vector_values.h"

namespace tovan {
namespace {

using testing_support::Values;

Matrix Rows(const std::vector<std::vector<double>>& rows) {
  Matrix m(static_cast<int>(rows.size()), static_cast<int>(rows[0].size()));
  for (int i = 0; i < m.rows(); ++i)
    for (int j = 0; j < m.cols(); ++j) m[i][j] = rows[i][j];
  return m;
}

struct SolveCase {
  const char* name;
  std::vector<std::vector<double>> a;
  std::vector<double> b;
  std::vector<double> x;  // worked out by hand
};

TEST(SolveTest, WellConditionedSystems) {
  const std::vector<SolveCase> cases = {
      {"exchange", {{0, 1}, {1, 0}}, {3, 4}, {4, 3}},
      {"one by one", {{4}}, {2}, {0.5}},
      {"two by two", {{2, 1}, {1, 3}}, {3, 5}, {0.8, 1.4}},
      {"three by three", {{4, -2, 1}, {-2, 4, -2}, {1, -2, 4}}, {11, -16, 17}, {1, -2, 3}},
      {"needs pivoting", {{1e-3, 1, 0}, {1, 1, 1}, {0, 2, 5}}, {1.001, 4, 12}, {1, 1, 2}},
  };
  for (const SolveCase& c : cases) {
    const Vector x = Solve(Rows(c.a), Values(c.b));
    ASSERT_EQ(x.length(), static_cast<int>(c.x.size())) << c.name;
    for (int k = 0; k < x.length(); ++k) EXPECT_NEAR(x[k], c.x[k], 1e-12) << c.name << " " << k;
  }
}

TEST(LuDecompositionTest, PermutedInputIsTheProductOfTheFactors) {
  EXPECT_EQ(LuDecomposition(Rows({{0, 1}, {1, 0}})).Permutation()[0], 1);
  const Matrix m = Rows({{2, -1, 3, 0.5}, {4, 1, -2, 1}, {-1, 5, 1, 2}, {3, 0, 2, -4}});
  const LuDecomposition lu(m);
  const Matrix product = MatrixMultiply(lu.Lower(), lu.Upper());
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(lu.Lower()[i][i], 1.0);
    for (int j = 0; j < 4; ++j) {
      if (j > i) {
        EXPECT_EQ(lu.Lower()[i][j], 0.0);
      }
      if (j < i) {
        EXPECT_EQ(lu.Upper()[i][j], 0.0);
      }
      EXPECT_NEAR(product[i][j], m[lu.Permutation()[i]][j], 1e-13);
    }
  }
}

TEST(LuDecompositionTest, EqualScaledPivotsChooseTheLaterRow) {
  EXPECT_EQ(LuDecomposition(Rows({{1, 2}, {-0.5, 1}})).Permutation()[0], 1);  // both 1/2
}

TEST(LuDecompositionTest, ProductsAreSubtractedOneAtATime) {
  // 1 - 2^-54 - 2^-54 stays 1 term by term (each halfway case rounds to even),
  // whereas subtracting the sum 2^-53 at once would give 1 - 2^-53.
  const double tiny = std::ldexp(1.0, -54);
  const LuDecomposition lu(Rows({{1, 0, 1}, {0, 1, 1}, {tiny, tiny, 1}}));
  EXPECT_EQ(lu.Upper()[2][2], 1.0);
  const Vector x = Solve(Rows({{1, tiny, tiny}, {0, 1, 0}, {0, 0, 1}}), Values({1, 1, 1}));
  EXPECT_EQ(x[0], 1.0);
  EXPECT_NE(1.0 - (tiny + tiny), 1.0);
}

TEST(SolveTest, SingularMatricesGiveNonFiniteEntries) {
  for (const Matrix& a : {Rows({{1, 2}, {2, 4}}), Rows({{0, 0}, {1, 1}})}) {
    const Vector x = Solve(a, Values({1, 1}));
    EXPECT_FALSE(std::isfinite(x[0]) && std::isfinite(x[1]));
  }
}

TEST(MatrixOperationsTest, ProductTransposeDiagonalAndVectors) {
  const Matrix a = Rows({{1, 2, 3}, {4, 5, 6}});
  const Matrix t = Transpose(a);
  ASSERT_EQ(t.rows(), 3);
  EXPECT_EQ(t[2][1], 6.0);
  const Matrix p = MatrixMultiply(a, t);  // [[14, 32], [32, 77]]
  EXPECT_EQ(p[0][1], 32.0);
  EXPECT_EQ(p[1][1], 77.0);
  EXPECT_EQ(MatrixMultiply(a, Values({1, 0, -1}))[1], -2.0);
  EXPECT_EQ(DiagonalMatrix(Values({2, 3}))[1][1], 3.0);
  EXPECT_EQ(SumOfSquares(Values({1, 2, 3, 4, 5, 6})), 91.0);
  EXPECT_EQ(ScaleVector(Values({1, -2}), 1.5)[1], -3.0);
  EXPECT_EQ(Concatenate(Values({1}), Values({2, 3}))[2], 3.0);
  // The identity's zero factors are skipped, so no 0 * inf turns into NaN.
  const double inf = std::numeric_limits<double>::infinity();
  const Matrix q = MatrixMultiply(DiagonalMatrix(Values({1, 1})), Rows({{inf, 1}, {2, 3}}));
  EXPECT_EQ(q[0][0], inf);
  EXPECT_EQ(q[0][1], 1.0);
}

// The fitter's weighted transpose must keep every bit of the product it replaces,
// the sign of an underflowing product and the skipped 0 * inf included.
TEST(MatrixOperationsTest, WeightedTransposeKeepsTheBitsOfTheDiagonalProduct) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* name;
    std::vector<std::vector<double>> a;
    std::vector<double> weights;
  };
  const std::vector<Case> cases = {
      {"plain", {{1, 2}, {3, -4}, {5, 6}}, {0.5, 2, -3}},
      {"zero weight meets inf", {{inf, 1}, {2, nan}}, {0, 1}},
      {"underflow to -0", {{-1e-200, 0}, {1, -0.0}}, {1e-200, 7}},
      {"fewer weights than rows", {{1, 2}, {3, 4}, {5, 6}}, {2, 3}},
      {"more weights than rows", {{1, 2}}, {2, 3, 4}},
  };
  for (const Case& c : cases) {
    const Matrix a = Rows(c.a);
    const Vector w = Values(c.weights);
    const Matrix expected = MatrixMultiply(Transpose(a), DiagonalMatrix(w));
    const Matrix scaled = WeightedTranspose(a, w);
    ASSERT_EQ(scaled.rows(), expected.rows()) << c.name;
    ASSERT_EQ(scaled.cols(), expected.cols()) << c.name;
    for (int i = 0; i < expected.rows(); ++i)
      for (int j = 0; j < expected.cols(); ++j)
        EXPECT_EQ(std::bit_cast<std::uint64_t>(scaled[i][j]), std::bit_cast<std::uint64_t>(expected[i][j]))
            << c.name << " (" << i << ", " << j << ")";
  }
}

}  // namespace
}  // namespace tovan
