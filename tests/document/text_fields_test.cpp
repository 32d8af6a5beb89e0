#include "document/text_fields.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tovan {
namespace {

struct RealCase {
  const char* text;
  double value;
};

void PrintTo(const RealCase& c, std::ostream* os) { *os << c.text; }

class AcceptedReal : public ::testing::TestWithParam<RealCase> {};

TEST_P(AcceptedReal, ParsesTheWholeText) {
  const std::optional<double> value = ParseFiniteReal(GetParam().text);
  ASSERT_TRUE(value.has_value()) << GetParam().text;
  EXPECT_EQ(*value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, AcceptedReal,
                         ::testing::Values(RealCase{"3.125", 3.125}, RealCase{"-0.5", -0.5},
                                           RealCase{"6", 6.0}, RealCase{"1e0", 1.0},
                                           RealCase{"2.5E1", 25.0}, RealCase{"-300", -300.0},
                                           RealCase{"0.1", 0.1}));

class RefusedReal : public ::testing::TestWithParam<const char*> {};

TEST_P(RefusedReal, GivesNothing) { EXPECT_FALSE(ParseFiniteReal(GetParam()).has_value()); }

INSTANTIATE_TEST_SUITE_P(Texts, RefusedReal,
                         ::testing::Values("", " 3", "3 ", "+3", "0x10", "nan", "NaN", "inf",
                                           "-inf", "infinity", "3.1x", "1e999", "-1e999", "1e-400",
                                           "1,5", "--3", "e5", "."));

TEST(ParseWholeNumber, AcceptsPlainIntegers) {
  EXPECT_EQ(ParseWholeNumber("7"), 7);
  EXPECT_EQ(ParseWholeNumber("-3"), -3);
  EXPECT_EQ(ParseWholeNumber("0256"), 256);
}

TEST(ParseWholeNumber, RefusesEverythingElse) {
  for (const char* text : {"", "3.0", "1e2", "+1", " 1", "1 ", "99999999999", "x", "0x10"})
    EXPECT_FALSE(ParseWholeNumber(text).has_value()) << text;
}

TEST(SplitAt, KeepsEmptyFields) {
  using ::testing::ElementsAre;
  EXPECT_THAT(SplitAt("", ','), ElementsAre(""));
  EXPECT_THAT(SplitAt("a", ','), ElementsAre("a"));
  EXPECT_THAT(SplitAt("a,b", ','), ElementsAre("a", "b"));
  EXPECT_THAT(SplitAt("a,", ','), ElementsAre("a", ""));
  EXPECT_THAT(SplitAt(",,", ','), ElementsAre("", "", ""));
  EXPECT_THAT(SplitAt("1:2,5:0.5", ':'), ElementsAre("1", "2,5", "0.5"));
}

TEST(Quoted, EscapesControlCharactersSoTheTextStaysOnOneLine) {
  EXPECT_EQ(Quoted("3.1x"), "'3.1x'");
  EXPECT_EQ(Quoted(""), "''");
  EXPECT_EQ(Quoted("a\nb\tc\x7f"), "'a\\x0ab\\x09c\\x7f'");
}

}  // namespace
}  // namespace tovan
