#include "app/view_export.h"

#include <gtest/gtest.h>

namespace tovan {
namespace {

TEST(ExportChoicesTest, PngFirstThenDoubleSizeThenSvg) {
  const auto choices = ExportChoices();
  ASSERT_EQ(choices.size(), 3u);
  EXPECT_EQ(choices[0].format, ExportFormat::Png);
  EXPECT_EQ(choices[1].format, ExportFormat::PngDoubleSize);
  EXPECT_EQ(choices[2].format, ExportFormat::Svg);
  for (const ExportChoice& choice : choices)
    EXPECT_EQ(&ExportChoiceForFilter(choice.filter), &choice) << choice.filter;
  EXPECT_EQ(ExportChoiceForFilter("All files (*)").format, ExportFormat::Png);
}

struct SuffixCase {
  const char* path;
  int choice;
  const char* result;
};

class PathWithSuffixTest : public ::testing::TestWithParam<SuffixCase> {};

TEST_P(PathWithSuffixTest, AddsTheSuffixOnlyWhenMissing) {
  const SuffixCase& c = GetParam();
  EXPECT_EQ(PathWithSuffix(c.path, ExportChoices()[c.choice]).toStdString(), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PathWithSuffixTest,
    ::testing::Values(SuffixCase{"/tmp/eye", 0, "/tmp/eye.png"},
                      SuffixCase{"/tmp/eye", 2, "/tmp/eye.svg"},
                      SuffixCase{"/tmp/eye.png", 2, "/tmp/eye.png"},
                      SuffixCase{"/tmp/v1.2/eye", 1, "/tmp/v1.2/eye.png"},
                      SuffixCase{"", 0, ""}));

}  // namespace
}  // namespace tovan
