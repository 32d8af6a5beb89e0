// The CSV reader: units from the headers, and the minimum phase of a magnitude-only
// table against a system whose minimum phase is known in closed form.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "response/csv_response_reader.h"

namespace tovan {
namespace {

TEST(CsvResponseReader, UnitsComeFromTheHeaders) {
  const ReadResult<ResponseTable> table = ReadCsvResponse(
      "Frequency (MHz), Magnitude (dB), Phase (rad)\r\n\r\n500, -6.0205999132796242, 1.5\n"
      "1500,0,-0.25\n",
      "probe.csv");
  ASSERT_TRUE(table.value) << ErrorMessage(table.error);
  EXPECT_EQ(table.value->format, "CSV");
  EXPECT_EQ(table.value->frequencies[0], 0.5);
  EXPECT_EQ(table.value->frequencies[1], 1.5);
  EXPECT_NEAR(table.value->values[0].re, 0.5 * std::cos(1.5), 1e-15);
  EXPECT_NEAR(table.value->values[0].im, 0.5 * std::sin(1.5), 1e-15);
  const ReadResult<ResponseTable> linear =
      ReadCsvResponse("f_Hz,gain,phase_deg\n1e9,0.5,90\n2e9,0.25,-90\n", "probe.csv");
  ASSERT_TRUE(linear.value) << ErrorMessage(linear.error);
  EXPECT_EQ(linear.value->frequencies[0], 1.0);
  EXPECT_NEAR(linear.value->values[0].im, 0.5, 1e-15);
  EXPECT_NEAR(linear.value->values[1].im, -0.25, 1e-15);
}

// |1 - a e^(-jw)| sampled with the Nyquist frequency at the table's last point: the
// minimum phase is atan2(a sin w, 1 - a cos w) (zero inside the unit circle).
TEST(CsvResponseReader, MagnitudeOnlyGetsTheMinimumPhase) {
  constexpr double kA = 0.6;
  constexpr double kLastGhz = 20.0;
  constexpr int kPoints = 2001;
  std::string text = "Frequency (GHz),Magnitude\n";
  for (int i = 0; i < kPoints; ++i) {
    const double f = kLastGhz * i / (kPoints - 1);
    const double w = std::numbers::pi * f / kLastGhz;
    text += std::to_string(f) + "," +
            std::to_string(std::hypot(1.0 - kA * std::cos(w), kA * std::sin(w))) + "\n";
  }
  const ReadResult<ResponseTable> table = ReadCsvResponse(text, "cable.csv");
  ASSERT_TRUE(table.value) << ErrorMessage(table.error);
  EXPECT_EQ(table.value->format, "CSV, minimum phase");
  double worst = 0.0;
  for (int i = 0; i < kPoints; ++i) {
    const double w = std::numbers::pi * table.value->frequencies[i] / kLastGhz;
    const Complex& h = table.value->values[i];
    const double expected = std::atan2(kA * std::sin(w), 1.0 - kA * std::cos(w));
    worst = std::max(worst, std::abs(std::atan2(h.im, h.re) - expected));
  }
  EXPECT_LT(worst, 1e-4);  // radians
}

}  // namespace
}  // namespace tovan
