#include "engine/trace_table.h"

#include <gtest/gtest.h>

namespace tovan {
namespace {

// Sample i holds the value i, so every table entry names the sample it came from.
Vector Indices(int n) { return Vector::Ramp(n, 0.0, 1.0); }

TEST(TraceTableTest, OneCellPerColumnInSampleOrder) {
  const Matrix table = BuildTraceTable(Indices(12), 3, 4, false);
  ASSERT_EQ(table.rows(), 4);
  ASSERT_EQ(table.cols(), 3);
  for (int j = 0; j < 3; ++j)
    for (int r = 0; r < 4; ++r) EXPECT_EQ(table[r][j], j * 4 + r);
}

TEST(TraceTableTest, ThreeCellsWrapAroundTheEnds) {
  const int bits = 4, spb = 3, length = bits * spb;
  const Matrix table = BuildTraceTable(Indices(length), bits, spb, true);
  ASSERT_EQ(table.rows(), 3 * spb);
  ASSERT_EQ(table.cols(), bits);
  for (int j = 0; j < bits; ++j) {
    for (int r = 0; r < 3 * spb; ++r) {
      const int expected = ((j - 1) * spb + r + length) % length;
      EXPECT_EQ(table[r][j], expected) << "row " << r << " column " << j;
    }
  }
  // Column 0 begins with the last cell of the signal.
  EXPECT_EQ(table[0][0], length - spb);
}

TEST(TraceTableTest, AShortSignalReadsZerosInsteadOfPastItsEnd) {
  const Matrix table = BuildTraceTable(Indices(5), 2, 4, false);
  EXPECT_EQ(table[3][0], 3.0);
  EXPECT_EQ(table[0][1], 4.0);
  EXPECT_EQ(table[1][1], 0.0);
  const Matrix wrapped = BuildTraceTable(Indices(2), 2, 4, true);
  EXPECT_EQ(wrapped.rows(), 12);
}

}  // namespace
}  // namespace tovan
