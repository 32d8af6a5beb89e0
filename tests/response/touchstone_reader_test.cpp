// The Touchstone reader on small files written here, with the format's awkward corners.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "response/response_file.h"
#include "response/touchstone_reader.h"

namespace tovan {
namespace {

NetworkData Read(const std::string& text, const std::string& file) {
  ReadResult<NetworkData> result = ReadTouchstone(text, file);
  EXPECT_TRUE(result.value) << ErrorMessage(result.error);
  return result.value.value_or(NetworkData{});
}

void ExpectComplex(const Complex& actual, double re, double im) {
  EXPECT_NEAR(actual.re, re, 1e-12);
  EXPECT_NEAR(actual.im, im, 1e-12);
}

TEST(TouchstoneReader, DefaultsCommentsAndContinuationLines) {
  // No option line: GHz, S, MA, R 50. One frequency continues over three lines.
  const NetworkData data = Read(
      "! a comment line\n"
      "1 0.5 0 0.8 -90 0.1 0 0.2 180 ! a trailing comment\n"
      "2 0.5 0\n"
      "  0.6 90\r\n"
      "  0.1 0 0.2 0\n",
      "dut.S2P");
  ASSERT_EQ(data.frequencies.size(), 2u);
  EXPECT_EQ(data.format, "Touchstone 1.1");
  EXPECT_EQ(data.frequencies[1], 2.0);
  ExpectComplex(data.S(0, 2, 1), 0.0, -0.8);
  ExpectComplex(data.S(0, 2, 2), -0.2, 0.0);
  ExpectComplex(data.S(1, 2, 1), 0.0, 0.6);
}

TEST(TouchstoneReader, OptionLineInAnyOrderAndCase) {
  const NetworkData data = Read("#r 75 db hz s\n1e9 0 0 -6.0205999132796242 45 0 0 0 0\n"
                                "2e9 0 0 -20 0 0 0 0 0\n",
                                "dut.s2p");
  EXPECT_EQ(data.frequencies[0], 1.0);
  ExpectComplex(data.S(0, 2, 1), 0.5 * std::sqrt(0.5), 0.5 * std::sqrt(0.5));
  ExpectComplex(data.S(1, 2, 1), 0.1, 0.0);
}

// A non-reciprocal two-port (S21 = 0.9, S12 = 0.1) in each pair order.
TEST(TouchstoneReader, TwoPortDataOrderIsHonoured) {
  const std::string head =
      "[Version] 2.0\n# GHz S RI R 50\n[Number of Ports] 2\n[Two-Port Data Order] ";
  const std::string tail =
      "\n[Number of Frequencies] 2\n[Reference] 50\n 50\n[Network Data]\n"
      "1 0.0 0 0.1 0 0.9 0 0.0 0\n2 0.0 0 0.1 0 0.9 0 0.0 0\n[End]\n";
  const NetworkData order12 = Read(head + "12_21" + tail, "dut.ts");
  EXPECT_EQ(order12.format, "Touchstone 2.0");
  ExpectComplex(order12.S(0, 2, 1), 0.9, 0.0);
  ExpectComplex(order12.S(0, 1, 2), 0.1, 0.0);
  const NetworkData order21 = Read(head + "21_12" + tail, "dut.ts");
  ExpectComplex(order21.S(0, 2, 1), 0.1, 0.0);
  ExpectComplex(order21.S(0, 1, 2), 0.9, 0.0);
  // Version 1.1 files always come as S11 S21 S12 S22.
  const NetworkData old = Read("# GHz S RI\n1 0 0 0.1 0 0.9 0 0 0\n2 0 0 0.1 0 0.9 0 0 0\n", "a.s2p");
  ExpectComplex(old.S(0, 2, 1), 0.1, 0.0);
}

TEST(TouchstoneReader, ANoiseBlockAfterTwoPortDataIsSkipped) {
  const NetworkData data = Read("# GHz S RI\n1 0 0 0.9 0 0 0 0 0\n2 0 0 0.8 0 0 0 0 0\n"
                                "1 1.5 0.5 45 0.3\n2 1.6 0.5 50 0.3\n",
                                "amp.s2p");
  EXPECT_EQ(data.frequencies.size(), 2u);
}

// SDD21 = (S21 - S23 - S41 + S43) / 2 with ports 1, 3 in and 2, 4 out; row by row.
TEST(FourPortResponse, DifferentialThruByHand) {
  std::string text = "# GHz S RI\n";
  for (const char* frequency : {"1", "2"}) {
    text += frequency;
    // S(i, j) = (i + j/10) + 0.01 i j, except S23 and S41.
    for (int i = 1; i <= 4; ++i) {
      for (int j = 1; j <= 4; ++j) {
        double re = i + j / 10.0;
        double im = 0.01 * i;
        if (i == 2 && j == 3) re = 0.5, im = 0.25;   // S23
        if (i == 4 && j == 1) re = -0.5, im = 0.75;  // S41
        text += " " + std::to_string(re) + " " + std::to_string(im);
      }
      text += "\n";
    }
  }
  // (S21 - S23 - S41 + S43) / 2 = ((2.1 + 0.02i) - (0.5 + 0.25i) - (-0.5 + 0.75i)
  // + (4.3 + 0.04i)) / 2 = (6.4 - 0.94i) / 2.
  ReadResult<ResponseTable> table = ReadResponseText(text, "four.s4p");
  ASSERT_TRUE(table.value) << ErrorMessage(table.error);
  EXPECT_EQ(table.value->ports, 4);
  ExpectComplex(table.value->values[0], 3.2, -0.47);
  // Pairing 1,2 in and 3,4 out: (S31 - S32 - S41 + S42) / 2
  // = ((3.1 + 0.03i) - (3.2 + 0.03i) - (-0.5 + 0.75i) + (4.2 + 0.04i)) / 2.
  table = ReadResponseText(text, "four.s4p", PortPairing{1, 2, 3, 4});
  ASSERT_TRUE(table.value) << ErrorMessage(table.error);
  ExpectComplex(table.value->values[1], 2.3, -0.355);
}

}  // namespace
}  // namespace tovan
