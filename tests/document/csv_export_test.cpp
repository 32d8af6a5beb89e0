#include "document/csv_export.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <sstream>
#include <vector>

#include "engine/scope_preset_table.h"

namespace tovan {
namespace {

namespace fs = std::filesystem;

std::vector<std::vector<std::string>> ReadCsv(const fs::path& path) {
  std::ifstream file(path);
  std::vector<std::vector<std::string>> lines;
  for (std::string line; std::getline(file, line);) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, ',');) fields.push_back(field);
    lines.push_back(fields);
  }
  return lines;
}

SampleTable Table(std::vector<double> x, std::vector<double> y) {
  SampleTable table{Vector(static_cast<int>(x.size())), Vector(static_cast<int>(y.size()))};
  for (std::size_t i = 0; i < x.size(); ++i) table.abscissae[static_cast<int>(i)] = x[i];
  for (std::size_t i = 0; i < y.size(); ++i) table.ordinates[static_cast<int>(i)] = y[i];
  return table;
}

TEST(TraceCsv, OneColumnPerBitCellUnderAHeader) {
  Matrix traces(3, 2);
  traces[0][0] = 0.5;
  traces[0][1] = -1.0;
  traces[1][0] = 0.1;
  traces[1][1] = -0.0;
  traces[2][0] = 1e-7;
  traces[2][1] = 600.0;
  EXPECT_EQ(TraceCsv(traces), "cell_0,cell_1\n0.5,-1.0\n0.1,-0.0\n1e-07,600.0\n");
}

TEST(TraceCsv, EmptyMatrixGivesAnEmptyHeader) { EXPECT_EQ(TraceCsv(Matrix()), "\n"); }

TEST(FrequencyCsv, FourTracesSideBySideCutToTheShortest) {
  const double inf = std::numeric_limits<double>::infinity();
  const SampleTable magnitude = Table({0.0, 0.5, 1.0}, {0.0, -3.0, -inf});
  const SampleTable phase = Table({0.0, 0.5, 1.0}, {0.0, -45.5, 180.0});
  const SampleTable input = Table({0.0, 0.5}, {-1.0, -2.0});
  const SampleTable output = Table({0.0, 0.5, 1.0}, {-1.5, -2.5, -3000.0});
  EXPECT_EQ(FrequencyCsv(magnitude, phase, input, output),
            "frequency_ghz,magnitude_db,phase_deg,input_spectrum_db,output_spectrum_db\n"
            "0.0,0.0,0.0,-1.0,-1.5\n"
            "0.5,-3.0,-45.5,-2.0,-2.5\n");
}

class CsvFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    directory_ =
        fs::temp_directory_path() /
        ("tovan-csv-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
  }
  void TearDown() override { fs::remove_all(directory_); }
  fs::path directory_;
};

TEST_F(CsvFiles, WritesTheThreeFilesWithTheEngineValues) {
  SignalEngine engine;
  ApplyScopePreset(engine, 0);
  ASSERT_EQ(WriteCsvFiles(engine, directory_ / "nested"), "");
  const Matrix& traces = engine.OutputTraces();
  const auto output = ReadCsv(directory_ / "nested" / "output_traces.csv");
  ASSERT_EQ(static_cast<int>(output.size()), traces.rows() + 1);
  ASSERT_EQ(static_cast<int>(output[0].size()), traces.cols());
  EXPECT_EQ(output[0][0], "cell_0");
  EXPECT_EQ(output[0].back(), "cell_" + std::to_string(traces.cols() - 1));
  for (int r = 0; r < traces.rows(); ++r)
    for (int c = 0; c < traces.cols(); ++c)
      ASSERT_EQ(std::strtod(output[r + 1][c].c_str(), nullptr), traces[r][c]) << r << "," << c;
  EXPECT_EQ(ReadCsv(directory_ / "nested" / "input_traces.csv").size(), output.size());
  const auto frequency = ReadCsv(directory_ / "nested" / "frequency.csv");
  ASSERT_EQ(static_cast<int>(frequency.size()), engine.FrequencyAxis().length() + 1);
  for (const auto& line : frequency) ASSERT_EQ(line.size(), 5u);
  const int last = engine.FrequencyAxis().length() - 1;
  EXPECT_EQ(std::strtod(frequency[last + 1][0].c_str(), nullptr), engine.FrequencyAxis()[last]);
  EXPECT_EQ(std::strtod(frequency[last + 1][2].c_str(), nullptr),
            engine.ScopePhaseTrace().ordinates[last]);
}

TEST_F(CsvFiles, ReportsADirectoryThatCannotBeMade) {
  fs::create_directories(directory_);
  std::ofstream(directory_ / "plain-file") << "x";
  SignalEngine engine;
  const std::string problem = WriteCsvFiles(engine, directory_ / "plain-file" / "sub");
  EXPECT_NE(problem.find("cannot create"), std::string::npos) << problem;
  EXPECT_EQ(problem.find('\n'), std::string::npos);
}

}  // namespace
}  // namespace tovan
