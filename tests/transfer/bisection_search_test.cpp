#include "transfer/bisection_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace tovan {
namespace {

double Search(const std::function<double(double)>& f, double low, double high, double target,
              double tolerance, int* evaluations = nullptr) {
  BisectionSearch search;
  search.Begin(low, f(low), high, f(high), target, tolerance, 1000);
  double x = high;
  int count = 0;
  double v = 0;
  do {
    v = f(x);
    ++count;
  } while (search.Advance(x, v));
  if (evaluations) *evaluations = count;
  return x;
}

struct CrossingCase {
  std::function<double(double)> f;
  double low, high, target, crossing;
};

TEST(BisectionSearchTest, FindsTheCrossingOfMonotoneCurves) {
  const std::vector<CrossingCase> cases = {
      {[](double x) { return x * x * x; }, 0, 3, 8, 2},
      {[](double x) { return std::exp(-x); }, 0, 5, 0.25, std::log(4.0)},
      // A bracket that misses the crossing closes onto its nearest end.
      {[](double x) { return x; }, 0, 1, 5, 1},
      {[](double x) { return x; }, 0, 1, -5, 0},
  };
  for (const CrossingCase& c : cases)
    EXPECT_NEAR(Search(c.f, c.low, c.high, c.target, 1e-9), c.crossing, 2e-9) << c.target;
  int evaluations = 0;
  // The width halves with each update and first reaches 2^-9 <= 2e-3 at the ninth;
  // the priming evaluation makes ten.
  Search([](double x) { return x; }, 0, 1, 0.3, 1e-3, &evaluations);
  EXPECT_EQ(evaluations, 10);
}

TEST(BisectionSearchTest, AdvanceMovesTheEndOnTheSideOfTheValue) {
  BisectionSearch search;
  double x = 0;
  search.Begin(0, 0, 1, 1, 0.5, 1e-9, 100);  // increasing
  search.Advance(x, 0);
  search.Advance(x, 0.9);  // above the target: 0.5 becomes high
  EXPECT_EQ(x, 0.25);
  search.Begin(0, 1, 1, 0, 0.5, 1e-9, 100);  // decreasing
  search.Advance(x, 0);
  search.Advance(x, 0.9);  // above the target: 0.5 becomes low
  EXPECT_EQ(x, 0.75);
  search.Begin(0, 0, 1, 1, 0.5, 1e-9, 1);  // one iteration: one proposal only
  EXPECT_TRUE(search.Advance(x, 99));
  EXPECT_FALSE(search.Advance(x, 0.0));
}

}  // namespace
}  // namespace tovan
