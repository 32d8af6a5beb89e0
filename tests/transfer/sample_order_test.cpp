#include "transfer/sample_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "numeric/vector_values.h"

namespace tovan {
namespace {

using testing_support::Values;

std::vector<int> Indices(const IntVector& v) {
  std::vector<int> out;
  for (int k = 0; k < v.length(); ++k) out.push_back(v[k]);
  return out;
}

TEST(IsSortedTest, StrictAndNonStrictOrder) {
  struct Case {
    std::vector<double> x;
    bool strict;
    bool nonStrict;
  };
  const Case cases[] = {
      {{}, true, true},
      {{5}, true, true},
      {{1, 2, 3}, true, true},
      {{1, 2, 2, 3}, false, true},
      {{3, 2}, false, false},
      {{1, std::nan(""), 3}, false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsSorted(Values(c.x), true), c.strict) << testing::PrintToString(c.x);
    EXPECT_EQ(IsSorted(Values(c.x), false), c.nonStrict) << testing::PrintToString(c.x);
  }
}

TEST(SortPermutationTest, OrdersDistinctAbscissae) {
  const std::vector<std::vector<double>> inputs = {
      {}, {4}, {2, 1}, {3, 1, 2}, {5, 4, 3, 2, 1}, {0.5, -7, 12, 3, 3.25, -1, 8, 100, -50, 6}};
  for (const std::vector<double>& x : inputs) {
    std::vector<int> want(x.size());
    for (std::size_t k = 0; k < x.size(); ++k) want[k] = static_cast<int>(k);
    std::sort(want.begin(), want.end(), [&](int a, int b) { return x[a] < x[b]; });
    EXPECT_EQ(Indices(SortPermutation(Values(x), true)), want) << testing::PrintToString(x);
    EXPECT_EQ(Indices(SortPermutation(Values(x), false)), want) << testing::PrintToString(x);
  }
}

TEST(SortPermutationTest, MergingKeepsOneIndexPerAbscissa) {
  const std::vector<std::vector<double>> inputs = {
      {1, 1}, {2, 1, 2}, {3, 3, 3, 3}, {4, 1, 4, 2, 1, 3, 4}, {0, 5, 5, 0, 5, 2}};
  for (const std::vector<double>& x : inputs) {
    const std::vector<int> got = Indices(SortPermutation(Values(x), true));
    std::vector<double> distinct = x;
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    ASSERT_EQ(got.size(), distinct.size()) << testing::PrintToString(x);
    for (std::size_t k = 0; k < got.size(); ++k) {
      ASSERT_GE(got[k], 0);
      ASSERT_LT(got[k], static_cast<int>(x.size()));
      EXPECT_EQ(x[got[k]], distinct[k]) << testing::PrintToString(x) << " position " << k;
    }
  }
}

TEST(SortPermutationTest, NaNAbscissaeLoseNoIndex) {
  std::vector<int> got = Indices(SortPermutation(Values({3, std::nan(""), 1, 2}), true));
  std::sort(got.begin(), got.end());
  EXPECT_EQ(got, (std::vector<int>{0, 1, 2, 3}));
}

}  // namespace
}  // namespace tovan
