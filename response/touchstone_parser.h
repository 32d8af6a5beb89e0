#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "response/network_data.h"
#include "response/read_result.h"
#include "response/touchstone_option_line.h"

namespace tovan {

// The state of one pass over a Touchstone text (touchstone_reader.h states the rules).
// Each handler returns false after recording the error.
class TouchstoneParser {
 public:
  TouchstoneParser(std::string_view text, const std::string& file) : text_(text), file_(file) {}
  ReadResult<NetworkData> Read();

 private:
  bool HandleLine(std::string_view line);
  bool HandleOptionLine(std::string_view words);
  bool HandleKeyword(std::string_view line);
  bool HandleVersion(std::string_view argument);
  bool HandleCountKeyword(const std::string& name, std::string_view argument);
  bool HandleNetworkDataKeyword();
  bool HandleReferenceValues(std::string_view words);
  bool HandleDataLine(std::string_view line);
  bool BeginRecord(const std::vector<double>& values);
  bool CommitRecord();
  bool Finish();
  bool Fail(int line, std::string what);

  std::string_view text_;
  std::string file_;
  ReadError error_;
  int line_ = 0;
  bool anything_ = false;  // a line other than blanks and comments was seen
  bool version2_ = false;
  bool optionSeen_ = false;
  bool inNetworkData_ = false;
  bool inNoiseData_ = false;
  bool inInformation_ = false;
  bool ended_ = false;
  bool pairOrder21_ = true;  // two-port pairs as S11 S21 S12 S22
  bool orderGiven_ = false;
  int referenceRemaining_ = 0;
  int declaredFrequencies_ = -1;
  int declaredFrequenciesLine_ = 0;
  TouchstoneOptions options_;
  NetworkData data_;
  std::vector<double> record_;
  std::vector<Complex> matrix_;  // one frequency's, row-major
  std::vector<double> values_;   // one line's
  std::vector<std::string_view> words_;
  int recordLine_ = 0;
};

}  // namespace tovan
