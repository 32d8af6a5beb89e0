#include "measure/bit_transitions.h"

#include <gtest/gtest.h>

#include "measure/synthetic_eye.h"

namespace tovan {
namespace {

using testing::Bits;

void ExpectTransition(const Transition& t, int bit, bool rising, int before, int after) {
  EXPECT_EQ(t.bit, bit);
  EXPECT_EQ(t.rising, rising);
  EXPECT_EQ(t.runBefore, before);
  EXPECT_EQ(t.runAfter, after);
}

TEST(FindTransitions, RunsWrapAroundThePattern) {
  // 0011101000: the zeros at 7, 8, 9 continue into 0, 1.
  const std::vector<Transition> t = FindTransitions(Bits("0011101000"));
  ASSERT_EQ(t.size(), 4u);
  ExpectTransition(t[0], 2, true, 5, 3);
  ExpectTransition(t[1], 5, false, 3, 1);
  ExpectTransition(t[2], 6, true, 1, 1);
  ExpectTransition(t[3], 7, false, 1, 5);
}

TEST(FindTransitions, NoneForConstantOrEmptyPatterns) {
  EXPECT_TRUE(FindTransitions(Bits("1111")).empty());
  EXPECT_TRUE(FindTransitions(Bits("0")).empty());
  EXPECT_TRUE(FindTransitions(IntVector()).empty());
}

TEST(MostIsolated, LongestSettledRunsWin) {
  const std::vector<Transition> t = FindTransitions(Bits("0011101000"));
  EXPECT_EQ(MostIsolated(t, true), 0);   // runs 5 and 3 against 1 and 1
  EXPECT_EQ(MostIsolated(t, false), 3);  // both have a shorter run of 1; 1 + 5 beats 3 + 1
}

TEST(MostIsolated, NoneOfAMissingDirection) {
  EXPECT_EQ(MostIsolated(FindTransitions(Bits("1111")), true), -1);
  EXPECT_EQ(MostIsolated({}, false), -1);
}

}  // namespace
}  // namespace tovan
