// tovan-cli against the documents of an independent model of the engine, value for value.
// A mismatch reports only where the two first part ways.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "document_comparison.h"
#include "process_run.h"

namespace tovan {
namespace {

struct ReferenceCase {
  std::string file;
  std::vector<std::string> options;  // without --json and --stages
  bool withStages;
};

std::string CaseName(const ::testing::TestParamInfo<ReferenceCase>& info) {
  std::string name;
  for (const char c : info.param.file.substr(0, info.param.file.find('.')))
    name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

void PrintTo(const ReferenceCase& c, std::ostream* os) { *os << c.file; }

class ReferenceDocument : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(ReferenceDocument, IsReproducedBitForBit) {
  const ReferenceCase& c = GetParam();
  std::ifstream file(std::string(TOVAN_REFERENCE_DIR) + "/" + c.file);
  ASSERT_TRUE(file) << "missing " << c.file;
  const auto reference = nlohmann::ordered_json::parse(file);

  std::vector<std::string> args = c.options;
  args.push_back("--json");
  if (c.withStages) args.push_back("--stages");
  const cli_test::ProcessResult run = cli_test::RunCli(args);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto candidate = nlohmann::ordered_json::parse(run.out);

  std::string command = "tovan-cli";
  for (const std::string& arg : args) command += " " + arg;
  const auto difference = cli_test::FindFirstDifference(reference, candidate);
  EXPECT_FALSE(difference.has_value())
      << c.file << " vs " << command << "\n  first difference: " << cli_test::Describe(*difference);
}

INSTANTIATE_TEST_SUITE_P(Documents, ReferenceDocument,
                         ::testing::Values(ReferenceCase{"no-preset.json", {"--no-preset"}, true},
                                           ReferenceCase{"preset-0.json", {"--preset", "0"}, true},
                                           ReferenceCase{"preset-4-three-cells-16.json",
                                                         {"--preset", "4", "--three-cells",
                                                          "--samples-per-bit", "16"},
                                                         false}),
                         CaseName);

}  // namespace
}  // namespace tovan
