#include "app/program_arguments.h"

#include <gtest/gtest.h>

namespace tovan {
namespace {

struct ArgumentsCase {
  const char* name;
  QStringList arguments;
  bool valid;
  QString screenshot;
  QSize size;
};

class ProgramArgumentsTest : public ::testing::TestWithParam<ArgumentsCase> {};

TEST_P(ProgramArgumentsTest, Parses) {
  const ArgumentsCase& c = GetParam();
  const std::optional<ProgramArguments> parsed = ParseProgramArguments(c.arguments);
  ASSERT_EQ(parsed.has_value(), c.valid);
  if (!parsed) return;
  EXPECT_EQ(parsed->screenshotPath, c.screenshot);
  EXPECT_EQ(parsed->windowSize, c.size);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ProgramArgumentsTest,
    ::testing::Values(
        ArgumentsCase{"nothing", {}, true, "", QSize()},
        ArgumentsCase{"screenshot", {"--screenshot", "a.png"}, true, "a.png", QSize()},
        ArgumentsCase{"size", {"--size", "1200x800"}, true, "", QSize(1200, 800)},
        ArgumentsCase{"both_any_order", {"--size", "9x7", "--screenshot", "b.png"}, true, "b.png",
                      QSize(9, 7)},
        ArgumentsCase{"missing_file", {"--screenshot"}, false, "", QSize()},
        ArgumentsCase{"empty_file", {"--screenshot", ""}, false, "", QSize()},
        ArgumentsCase{"repeated", {"--screenshot", "a", "--screenshot", "b"}, false, "", QSize()},
        ArgumentsCase{"repeated_size", {"--size", "2x2", "--size", "3x3"}, false, "", QSize()},
        ArgumentsCase{"zero_width", {"--size", "0x5"}, false, "", QSize()},
        ArgumentsCase{"negative", {"--size", "-4x5"}, false, "", QSize()},
        ArgumentsCase{"no_x", {"--size", "1200"}, false, "", QSize()},
        ArgumentsCase{"trailing_garbage", {"--size", "12x8px"}, false, "", QSize()},
        ArgumentsCase{"too_many_digits", {"--size", "123456x8"}, false, "", QSize()},
        ArgumentsCase{"unknown_option", {"--full-screen", "yes"}, false, "", QSize()},
        ArgumentsCase{"two_setup_files", {"a.json", "b.json"}, false, "", QSize()},
        ArgumentsCase{"single_dash", {"-a.json"}, false, "", QSize()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProgramArguments, AWordThatIsNoOptionIsTheSetupToOpen) {
  const auto parsed = ParseProgramArguments({"--screenshot", "a.png", "my setup.json"});
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->setupPath, "my setup.json");
  EXPECT_EQ(parsed->screenshotPath, "a.png");
  EXPECT_EQ(ParseProgramArguments({})->setupPath, "");
}

}  // namespace
}  // namespace tovan
