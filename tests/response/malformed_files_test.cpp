// Files the readers refuse: one error each, naming the line where it applies.
#include <gtest/gtest.h>

#include <string>

#include "response/response_file.h"

namespace tovan {
namespace {

struct Malformed {
  std::string name;
  std::string file;
  std::string text;
  int line;           // 0: the whole file
  std::string about;  // a part of the message
};

void PrintTo(const Malformed& c, std::ostream* os) { *os << c.name; }

class MalformedFileTest : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedFileTest, IsRefusedWithTheLineAndWhatIsWrong) {
  const Malformed& c = GetParam();
  const ReadResult<ResponseTable> result = ReadResponseText(c.text, c.file);
  ASSERT_FALSE(result.value);
  EXPECT_EQ(result.error.file, c.file);
  EXPECT_EQ(result.error.line, c.line) << result.error.what;
  EXPECT_NE(result.error.what.find(c.about), std::string::npos) << result.error.what;
  const std::string message = ErrorMessage(result.error);
  EXPECT_EQ(message.find('\n'), std::string::npos) << message;
}

// " 0" n times.
std::string Zeros(int n) {
  std::string text;
  for (int k = 0; k < n; ++k) text += " 0";
  return text;
}

const std::string kOk2 = "1 0 0 1 0 0 0 0 0\n";
const std::string kV2 = "[Version] 2.0\n# GHz S RI\n[Number of Ports] 2\n";

INSTANTIATE_TEST_SUITE_P(
    Files, MalformedFileTest,
    ::testing::Values(
        Malformed{"Empty", "a.s2p", "", 0, "empty"},
        Malformed{"OnlyComments", "a.s2p", "! nothing\n\n", 0, "empty"},
        Malformed{"EmptyCsv", "a.csv", "\n", 0, "empty"},
        Malformed{"Binary", "a.s2p", "# GHz S RI\n1 0 0\x01\x02 0\n", 2, "binary"},
        Malformed{"NulByte", "a.csv", std::string("f (GHz),m\n1,\0", 13), 2, "binary"},
        Malformed{"ShortLastFrequency", "a.s2p", "# GHz S RI\n" + kOk2 + "2 0 0 1 0 0 0 0\n", 3,
                  "9 values per frequency"},
        Malformed{"LongLine", "a.s2p", "# GHz S RI\n" + kOk2 + "2 0 0 1 0 0 0 0 0 0\n", 3,
                  "10 values"},
        Malformed{"OverlongContinuation", "a.s2p", "# GHz S RI\n1 0 0 1 0\n0 0 0 0 9\n", 3,
                  "needs only 4 more"},
        Malformed{"NotIncreasing", "a.s2p", "# GHz S RI\n" + kOk2 + kOk2, 3, "does not increase"},
        Malformed{"Negative", "a.s2p", "# GHz S RI\n-1 0 0 1 0 0 0 0 0\n" + kOk2, 2, "negative"},
        Malformed{"NotANumber", "a.s2p", "# GHz S RI\n1 0 0 one 0 0 0 0 0\n", 2, "'one' is not a number"},
        Malformed{"Infinite", "a.s2p", "# GHz S RI\n1 0 0 inf 0 0 0 0 0\n", 2, "not a finite"},
        Malformed{"Overflow", "a.s2p", "# GHz S RI\n1 0 0 1e999 0 0 0 0 0\n", 2, "out of the range"},
        Malformed{"YParameters", "a.s2p", "# GHz Y RI R 50\n" + kOk2, 1, "Y parameters"},
        Malformed{"UnknownOption", "a.s2p", "# GHz S XY\n" + kOk2, 1, "unknown option 'XY'"},
        Malformed{"ResistanceMissing", "a.s2p", "# GHz S RI R\n" + kOk2, 1, "R needs"},
        Malformed{"OptionAfterData", "a.s2p", "1 0 0 1 0\n# GHz\n", 2, "before the data"},
        Malformed{"OnePort", "a.s1p", "# GHz S RI\n1 0 0\n2 0 0\n", 0, "1-port"},
        Malformed{"ThreePort", "a.s3p", "1" + Zeros(18) + "\n2" + Zeros(18) + "\n", 0, "3-port"},
        Malformed{"OneFrequency", "a.s2p", "# GHz S RI\n" + kOk2, 0, "at least two"},
        Malformed{"UnknownExtension", "a.txt", kOk2, 0, "unknown kind of file"},
        Malformed{"NoPortCount", "a.ts", "# GHz S RI\n" + kOk2, 0, "port count"},
        Malformed{"KeywordWithoutVersion", "a.s2p", "# GHz S RI\n[Number of Ports] 2\n", 2,
                  "before [Version] 2.0"},
        Malformed{"Version3", "a.ts", "[Version] 3.0\n", 1, "'3.0' is not read"},
        Malformed{"FrequencyCount", "a.ts",
                  kV2 + "[Two-Port Data Order] 12_21\n[Number of Frequencies] 3\n[Network Data]\n" +
                      kOk2 + "2 0 0 1 0 0 0 0 0\n[End]\n",
                  5, "says 3, the network data hold 2"},
        Malformed{"NoFrequencyCount", "a.ts",
                  kV2 + "[Two-Port Data Order] 12_21\n[Network Data]\n", 5,
                  "before [Number of Frequencies]"},
        Malformed{"NoDataOrder", "a.ts", kV2 + "[Number of Frequencies] 2\n[Network Data]\n", 5,
                  "[Two-Port Data Order]"},
        Malformed{"BadDataOrder", "a.ts", kV2 + "[Two-Port Data Order] 12-21\n", 4, "12_21 or 21_12"},
        Malformed{"LowerMatrix", "a.ts", kV2 + "[Matrix Format] Lower\n", 4, "only Full"},
        Malformed{"MixedMode", "a.ts", kV2 + "[Mixed-Mode Order] D2,1 D1,2\n", 4, "mixed-mode"},
        Malformed{"UnknownKeyword", "a.ts", kV2 + "[Colour] blue\n", 4, "unknown keyword"},
        Malformed{"DataBeforeNetworkData", "a.ts", kV2 + kOk2, 4, "before [Network Data]"},
        Malformed{"CsvWithoutHeader", "a.csv", "1,0\n2,-1\n", 1, "header row"},
        Malformed{"CsvNoUnit", "a.csv", "Frequency,Magnitude (dB)\n1,0\n2,-1\n", 1, "names no unit"},
        Malformed{"CsvPhaseUnit", "a.csv", "f (GHz),m (dB),phase\n1,0,0\n2,-1,0\n", 1,
                  "neither deg nor rad"},
        Malformed{"CsvFieldCount", "a.csv", "f (GHz),m (dB)\n1,0\n2,-1,5\n", 3, "3 fields"},
        Malformed{"CsvNotANumber", "a.csv", "f (GHz),m (dB)\n1,0\n2,x\n", 3, "'x' is not a number"},
        Malformed{"CsvNotIncreasing", "a.csv", "f (MHz),m (dB)\n100,0\n100,-1\n", 3,
                  "does not increase"},
        Malformed{"CsvNegativeLinear", "a.csv", "f (GHz),m\n1,1\n2,-0.5\n", 3, "negative"},
        Malformed{"CsvOneRow", "a.csv", "f (GHz),m\n1,1\n", 0, "at least two"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tovan
