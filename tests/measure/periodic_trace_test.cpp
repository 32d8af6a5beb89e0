#include "measure/periodic_trace.h"

#include <gtest/gtest.h>

#include <cmath>

#include "measure/synthetic_eye.h"

namespace tovan {
namespace {

Vector Counting(int n) { return Vector::Ramp(n, 0.0, 1.0); }

void ExpectSameSamples(const Vector& a, const Vector& b) {
  ASSERT_EQ(a.length(), b.length());
  for (int n = 0; n < a.length(); ++n) EXPECT_EQ(a[n], b[n]) << n;
}

TEST(UnrollTraceTable, OneCellTableGivesThePeriodBack) {
  const Vector signal = Counting(5 * 4);
  ExpectSameSamples(UnrollTraceTable(testing::OneCellTable(signal, 4), 4, false), signal);
}

TEST(UnrollTraceTable, ThreeCellTableGivesThePeriodBack) {
  const Vector signal = Counting(5 * 4);
  ExpectSameSamples(UnrollTraceTable(testing::ThreeCellTable(signal, 4), 4, true), signal);
}

TEST(UnrollTraceTable, ShapesThatDoNotFitGiveNothing) {
  const Matrix table = testing::OneCellTable(Counting(12), 4);  // 4 rows, 3 columns
  Matrix ragged = table;
  ragged[2].Resize(2);
  EXPECT_EQ(UnrollTraceTable(table, 3, false).length(), 0);
  EXPECT_EQ(UnrollTraceTable(table, 4, true).length(), 0);
  EXPECT_EQ(UnrollTraceTable(table, 0, false).length(), 0);
  EXPECT_EQ(UnrollTraceTable(ragged, 4, false).length(), 0);
  EXPECT_EQ(UnrollTraceTable(Matrix(4, 0), 4, false).length(), 0);
}

TEST(PeriodicSample, WrapsBothWays) {
  const Vector signal = Counting(6);
  EXPECT_EQ(PeriodicSample(signal, 0), 0.0);
  EXPECT_EQ(PeriodicSample(signal, 6), 0.0);
  EXPECT_EQ(PeriodicSample(signal, -1), 5.0);
  EXPECT_EQ(PeriodicSample(signal, -13), 5.0);
  EXPECT_EQ(PeriodicSample(signal, 15), 3.0);
}

TEST(PeriodicWindow, CrossesTheEndOfThePeriod) {
  const Vector window = PeriodicWindow(Counting(6), 4, 5);
  const double expected[] = {4, 5, 0, 1, 2};
  ASSERT_EQ(window.length(), 5);
  for (int k = 0; k < 5; ++k) EXPECT_EQ(window[k], expected[k]);
}

TEST(AllFinite, FindsNaNAndInfinity) {
  Vector signal = Counting(4);
  EXPECT_TRUE(AllFinite(signal));
  signal[2] = INFINITY;
  EXPECT_FALSE(AllFinite(signal));
  signal[2] = NAN;
  EXPECT_FALSE(AllFinite(signal));
}

}  // namespace
}  // namespace tovan
