#include <gtest/gtest.h>

#include "numeric/flat_array.h"
#include "numeric/int_vector.h"
#include "numeric/row_matrix.h"
#include "numeric/vector.h"

namespace tovan {
namespace {

TEST(FlatArrayTest, ResizeZeroLeavesNoBlock) {
  RealArray a(4, 2.0);
  a.Resize(0);
  EXPECT_EQ(a.size(), 0);
  EXPECT_EQ(a.data(), nullptr);
  const RealArray copy(a);
  EXPECT_EQ(copy.size(), 0);
  EXPECT_EQ(copy.data(), nullptr);
}

TEST(FlatArrayTest, CopiesAreDeepAndResizeZeroes) {
  ComplexArray a(3, Complex{1.0, 2.0});
  ComplexArray b = a;
  b[1] = {5.0, 6.0};
  EXPECT_EQ(a[1], (Complex{1.0, 2.0}));
  a.Resize(2);
  EXPECT_EQ(a[0], (Complex{0.0, 0.0}));
}

TEST(FlatArrayTest, SelfAssignmentKeepsTheContent) {
  IntArray a(3, 7);
  IntArray& same = a;
  a = same;
  a.Assign(same);
  EXPECT_EQ(a.size(), 3);
  EXPECT_EQ(a[2], 7);
}

TEST(RowMatrixTest, CopyFromAnEmptyMatrixIsEmpty) {
  Matrix m(2, 3, 1.0);
  m.CopyFrom(Matrix());
  EXPECT_EQ(m.rows(), 0);
  EXPECT_EQ(m.cols(), 0);
}

TEST(RowMatrixTest, AssignKeepsARaggedShapeAndCopyFromSquaresIt) {
  Matrix ragged(2, 3, 1.0);
  ragged[1].Resize(5);
  Matrix assigned;
  assigned.Assign(ragged);
  EXPECT_EQ(assigned[1].size(), 5);
  Matrix copied;
  copied.CopyFrom(ragged);
  EXPECT_EQ(copied[1].size(), 3);
  EXPECT_EQ(copied[0][2], 1.0);
}

TEST(RowMatrixTest, FillKeepsEachRowsSize) {
  Matrix m(2, 2);
  m[0].Resize(4);
  m.Fill(9.0);
  EXPECT_EQ(m[0].size(), 4);
  EXPECT_EQ(m[0][3], 9.0);
  EXPECT_EQ(m[1][1], 9.0);
}

TEST(RowMatrixTest, MaxElementOfEqualValues) {
  EXPECT_EQ(MaxElement(Matrix(3, 4, -3000.0)), -3000.0);
  Matrix m(2, 2, 0.0);
  m[1][0] = 5.0;
  m[0][1] = -1.0;
  EXPECT_EQ(MaxElement(m), 5.0);
}

TEST(RowMatrixTest, StackRowsPutsBUnderA) {
  Matrix a(1, 2, 1.0), b(2, 2, 2.0);
  const Matrix s = StackRows(a, b);
  ASSERT_EQ(s.rows(), 3);
  EXPECT_EQ(s.cols(), 2);
  EXPECT_EQ(s[0][1], 1.0);
  EXPECT_EQ(s[2][0], 2.0);
}

TEST(VectorTest, RampAccumulatesByRepeatedAddition) {
  const Vector r = Vector::Ramp(11, 0.0, 1.0);
  ASSERT_EQ(r.length(), 11);
  for (int k = 0; k <= 10; ++k) EXPECT_EQ(r[k], k);
  EXPECT_EQ(Vector::Ramp(0, 1.0, 1.0).length(), 0);
  // 0.1 added 100 times differs from 100 * 0.1 in the last bits.
  const Vector fine = Vector::Ramp(101, 0.0, 0.1);
  double x = 0.0;
  for (int k = 0; k < 100; ++k) x = x + 0.1;
  EXPECT_EQ(fine[100], x);
  EXPECT_NE(fine[100], 10.0);
}

TEST(VectorTest, ElementWiseArithmetic) {
  Vector a = Vector::Ramp(4, 1.0, 1.0);
  const Vector b(4, 0.5);
  EXPECT_EQ(Add(a, b)[3], 4.5);
  EXPECT_EQ(Subtract(a, b)[0], 0.5);
  EXPECT_EQ(SubtractScalar(a, 2.0)[1], 0.0);
  AddInPlace(a, b);
  EXPECT_EQ(a[0], 1.5);
  SubtractScalarInPlace(a, 1.5);
  EXPECT_EQ(a[0], 0.0);
}

TEST(ColumnVectorTest, PaddedVectorReadsZeroPastItsEnd) {
  PaddedIntVector v(8, 3);
  EXPECT_EQ(v.at(7), 3);
  EXPECT_EQ(v.at(8), 0);
  const IntVector& base = v;
  EXPECT_EQ(base.at(100), 0);
}

TEST(ColumnVectorTest, BoundedReferenceAbsorbsWritesPastTheEnd) {
  Vector v(3, 1.0);
  v.Element(2) = 4.0;
  v.Element(3) = 99.0;
  EXPECT_EQ(v.length(), 3);
  EXPECT_EQ(v[2], 4.0);
  EXPECT_EQ(v[0], 1.0);
}

TEST(ColumnVectorTest, CopiesAreIndependent) {
  Vector a(2, 1.0);
  Vector b(a);
  b[0] = 2.0;
  EXPECT_EQ(a[0], 1.0);
  Vector& same = a;
  a = same;
  EXPECT_EQ(a.length(), 2);
}

}  // namespace
}  // namespace tovan
