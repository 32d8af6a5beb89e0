#include "transfer/cascade.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tovan {
namespace {

TEST(CascadeTest, MagnitudeIsTheProductOfSections) {
  const RationalFunction section(Polynomial{1}, Polynomial{1, 1});
  Cascade c;
  EXPECT_EQ(c.Magnitude(3.0), 1.0);
  c.Resize(2);
  c.SetSection(0, section);
  c.SetSection(1, section);
  for (double f : {0.0, 0.1, 1.0, 10.0}) {
    EXPECT_DOUBLE_EQ(c.Magnitude(f), section.Magnitude(f) * section.Magnitude(f));
    EXPECT_NEAR(c.MagnitudeDb(f), 2 * section.MagnitudeDb(f), 1e-12);
  }
  EXPECT_THROW(c.SetSection(2, section), std::out_of_range);
  EXPECT_THROW(c.Section(-1), std::out_of_range);
  c.Clear();
  EXPECT_EQ(c.Count(), 0);
}

}  // namespace
}  // namespace tovan
