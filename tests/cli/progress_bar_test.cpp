#include "cli/progress_bar.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tovan {
namespace {

TEST(ProgressLine, FillsInProportionWithTheCountsAligned) {
  EXPECT_EQ(ProgressLine(0, 100, 10), "[          ]   0/100");
  EXPECT_EQ(ProgressLine(45, 100, 10), "[====>     ]  45/100");
  EXPECT_EQ(ProgressLine(99, 100, 10), "[=========>]  99/100");
  EXPECT_EQ(ProgressLine(100, 100, 10), "[==========] 100/100");
  EXPECT_EQ(ProgressLine(1, 3, 6), "[==>   ] 1/3");
}

TEST(ProgressLine, OutOfRangeCountsStayWithinTheBar) {
  EXPECT_EQ(ProgressLine(7, 5, 4), "[====] 7/5");
  EXPECT_EQ(ProgressLine(-1, 5, 4), "[    ] -1/5");
  EXPECT_EQ(ProgressLine(0, 0, 4), "[    ] 0/0");
}

TEST(ProgressBar, DrawsInPlaceAfterTheDelayAndBlanksWhenFinished) {
  std::ostringstream out;
  ProgressBar bar(out, 4, true, std::chrono::seconds(0));
  bar.Update(1);
  bar.Update(1);  // unchanged: not drawn again
  bar.Update(4);
  bar.Finish();
  const std::string one = ProgressLine(1, 4);
  const std::string four = ProgressLine(4, 4);
  EXPECT_EQ(out.str(), "\r" + one + "\r" + four + "\r" + std::string(four.size(), ' ') + "\r");
}

TEST(ProgressBar, QuickWorkAndNonTerminalsSeeNothing) {
  std::ostringstream quick, disabled;
  ProgressBar notYet(quick, 4, true, std::chrono::hours(1));
  ProgressBar off(disabled, 4, false, std::chrono::seconds(0));
  for (int done = 1; done <= 4; ++done) {
    notYet.Update(done);
    off.Update(done);
  }
  notYet.Finish();
  off.Finish();
  EXPECT_EQ(quick.str(), "");
  EXPECT_EQ(disabled.str(), "");
}

}  // namespace
}  // namespace tovan
