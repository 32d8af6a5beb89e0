#include "numeric/complex_vector.h"

#include <gtest/gtest.h>

namespace tovan {
namespace {

ComplexVector Of(std::initializer_list<Complex> values) {
  ComplexVector v(static_cast<int>(values.size()));
  int k = 0;
  for (const Complex& z : values) v[k++] = z;
  return v;
}

TEST(SortByMagnitudeTest, EqualMagnitudesKeepTheFirstAtEachPosition) {
  ComplexVector v = Of({{3, 0}, {-1, 0}, {0, 2}, {1, 0}});
  SortByMagnitude(v);
  EXPECT_EQ(v[0], (Complex{-1, 0}));
  EXPECT_EQ(v[1], (Complex{1, 0}));
  EXPECT_EQ(v[2], (Complex{0, 2}));
  EXPECT_EQ(v[3], (Complex{3, 0}));
}

TEST(SortByMagnitudeTest, AnExchangeCanReorderEqualElements) {
  // Selection sort is not stable: the swap of position 0 moves a past its equal c.
  ComplexVector v = Of({{2, 0}, {0, 2}, {1, 0}});
  SortByMagnitude(v);
  EXPECT_EQ(v[0], (Complex{1, 0}));
  EXPECT_EQ(v[1], (Complex{0, 2}));
  EXPECT_EQ(v[2], (Complex{2, 0}));
}

TEST(RemoveAtTest, RemovesOneElement) {
  ComplexVector one = Of({{1, 1}});
  RemoveAt(one, 0);
  EXPECT_EQ(one.length(), 0);
  ComplexVector three = Of({{1, 0}, {2, 0}, {3, 0}});
  RemoveAt(three, 1);
  ASSERT_EQ(three.length(), 2);
  EXPECT_EQ(three[1], (Complex{3, 0}));
}

TEST(ComplexVectorTest, ConstantFormsApplyTheConstantToEveryElement) {
  const ComplexVector a = Of({{1, 2}, {-3, 0.5}});
  const Complex w{0.5, -1.0};
  for (int k = 0; k < 2; ++k) {
    EXPECT_EQ(Multiply(w, a)[k], w * a[k]);
    EXPECT_EQ(Add(w, a)[k], w + a[k]);
    EXPECT_EQ(Subtract(a, w)[k], a[k] - w);
    EXPECT_EQ(Divide(a, w)[k], a[k] / w);
  }
}

TEST(ComplexVectorTest, ElementWiseUsesTheFirstOperandsLength) {
  const ComplexVector a = Of({{1, 0}, {2, 0}});
  const ComplexVector b = Of({{3, 1}, {4, 0}, {5, 0}});
  const ComplexVector product = Multiply(a, b);
  ASSERT_EQ(product.length(), 2);
  EXPECT_EQ(product[0], (Complex{3, 1}));
  ComplexVector sum = a;
  AddInPlace(sum, b);
  EXPECT_EQ(sum[1], (Complex{6, 0}));
  EXPECT_EQ(Divide(b, b)[0].im, 0.0);
}

TEST(ComplexVectorTest, FromRealHasZeroImaginaryParts) {
  const ComplexVector z = FromReal(Vector::Ramp(3, -1.0, 1.0));
  ASSERT_EQ(z.length(), 3);
  EXPECT_EQ(z[0], (Complex{-1, 0}));
  EXPECT_EQ(z[2], (Complex{1, 0}));
}

}  // namespace
}  // namespace tovan
