#include "app/typed_value.h"

#include <gtest/gtest.h>

#include "app/binding_arithmetic.h"

namespace tovan {
namespace {

struct TypedCase {
  const char* name;
  const char* text;
  double lowest, highest;
  double value;         // when accepted
  const char* problem;  // "" when accepted
};

class ReadTypedValueTest : public ::testing::TestWithParam<TypedCase> {};

TEST_P(ReadTypedValueTest, NumberOrOneLineSayingWhy) {
  const TypedCase& c = GetParam();
  const TypedValue typed = ReadTypedValue(c.text, c.lowest, c.highest);
  EXPECT_EQ(typed.problem, c.problem);
  if (typed.problem.empty()) {
    EXPECT_EQ(typed.value, c.value);
  }
}

INSTANTIATE_TEST_SUITE_P(
    All, ReadTypedValueTest,
    ::testing::Values(TypedCase{"plain", "5", 1.0, 6.0, 5.0, ""},
                      TypedCase{"blanks_and_plus", "  +3.125 ", 1.0, 6.0, 3.125, ""},
                      TypedCase{"exponent", "2.5e-1", -5.0, 5.0, 0.25, ""},
                      TypedCase{"ends_included", "-300", -300.0, 300.0, -300.0, ""},
                      TypedCase{"above", "7", 1.0, 6.0, 0.0, "7 is outside 1 to 6"},
                      TypedCase{"below", "-5.5", -5.0, 5.0, 0.0, "-5.5 is outside -5 to 5"},
                      TypedCase{"words", "abc", 1.0, 6.0, 0.0, "\"abc\" is not a number"},
                      TypedCase{"comma_mark", "3,5", 1.0, 6.0, 0.0, "\"3,5\" is not a number"},
                      TypedCase{"trailing_unit", "5 GHz", 1.0, 20.0, 0.0,
                                "\"5 GHz\" is not a number"},
                      TypedCase{"empty", " ", 1.0, 6.0, 0.0, "\"\" is not a number"},
                      TypedCase{"infinity", "inf", 1.0, 6.0, 0.0, "\"inf\" is not a number"}),
    [](const auto& info) { return std::string(info.param.name); });

// Off-grid values land on the slider position whose own value (SliderValueAt) is
// nearest, not on the truncated position SetPosition would take.
struct SnapCase {
  const char* name;
  double x, max, min, step;
  int position;
};

class NearestPositionTest : public ::testing::TestWithParam<SnapCase> {};

TEST_P(NearestPositionTest, SnapsToTheNearestGridValue) {
  const SnapCase& c = GetParam();
  const int n = SliderStepCount(c.max, c.min, c.step);
  const auto valueAt = [&](int p) { return SliderValueAt(p, c.max, c.min, n, 0); };
  EXPECT_EQ(NearestPosition(c.x, 0, n, valueAt), c.position);
}

INSTANTIATE_TEST_SUITE_P(
    All, NearestPositionTest,
    ::testing::Values(SnapCase{"bitrate_on_grid", 5.0, 6.0, 1.0, 0.005, 200},
                      SnapCase{"bitrate_off_grid_up", 5.0026, 6.0, 1.0, 0.005, 199},
                      SnapCase{"bitrate_off_grid_down", 5.0024, 6.0, 1.0, 0.005, 200},
                      // Truncation would give 160 (4.0 GHz) for 4.1.
                      SnapCase{"bandwidth_4_1", 4.1, 20.0, 1.0, 0.1, 159},
                      SnapCase{"flatness_tie_to_the_lower_position", 0.25, 5.0, -5.0, 0.5, 9},
                      SnapCase{"top_end", 6.0, 6.0, 1.0, 0.005, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NearestPositionTest, SpinPositionsAreExponents) {
  const auto valueAt = [](int p) { return SpinValueAt(static_cast<unsigned>(p)); };
  EXPECT_EQ(NearestPosition(100.0, 4, 8, valueAt), 7);  // 128 is nearer than 64
  EXPECT_EQ(NearestPosition(16.0, 4, 8, valueAt), 4);
}

}  // namespace
}  // namespace tovan
