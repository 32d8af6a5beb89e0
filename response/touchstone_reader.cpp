#include "response/touchstone_reader.h"

#include <cmath>

#include "numeric/constants.h"
#include "response/quoted_word.h"
#include "response/port_count_from_name.h"
#include "response/text_lines.h"
#include "response/touchstone_parser.h"

namespace tovan {

namespace {

Complex FromPair(double a, double b, PairFormat format) {
  if (format == PairFormat::kRealImaginary) return {a, b};
  const double magnitude = format == PairFormat::kDbAngle ? std::pow(10.0, a / 20.0) : a;
  const double angle = b * kRadiansPerDegree;
  return {magnitude * std::cos(angle), magnitude * std::sin(angle)};
}

std::string ValuesPerFrequency(int ports) {
  const int pairs = ports * ports;
  return "a " + std::to_string(ports) + "-port file has " + std::to_string(1 + 2 * pairs) +
         " values per frequency (the frequency and " + std::to_string(pairs) +
         (pairs == 1 ? " pair)" : " pairs)");
}

}  // namespace

ReadResult<NetworkData> ReadTouchstone(std::string_view text, const std::string& file) {
  return TouchstoneParser(text, file).Read();
}

bool TouchstoneParser::Fail(int line, std::string what) {
  error_ = ReadError{file_, line, std::move(what)};
  return false;
}

ReadResult<NetworkData> TouchstoneParser::Read() {
  if (const int binary = FirstBinaryLine(text_); binary > 0)
    return Refused<NetworkData>(file_, binary, "binary data, not a text file");
  data_.format = "Touchstone 1.1";
  LineWalker lines(text_);
  bool fine = true;
  while (fine && lines.Next()) {
    line_ = lines.Number();
    std::string_view line = lines.Line();
    line = Trimmed(line.substr(0, line.find('!')));
    if (!line.empty()) fine = HandleLine(line);
  }
  if (fine) fine = Finish();
  if (!fine) return {std::nullopt, error_};
  return {std::move(data_), {}};
}

bool TouchstoneParser::HandleLine(std::string_view line) {
  const bool first = !anything_;
  anything_ = true;
  if (ended_) return true;
  if (line.front() == '[') {
    const bool version = Lowered(line).starts_with("[version]");
    if (first != version)
      return Fail(line_, first ? "a keyword before [Version] 2.0" : "[Version] must be the first line");
    return HandleKeyword(line);
  }
  if (inInformation_ || inNoiseData_) return true;
  if (referenceRemaining_ > 0) return HandleReferenceValues(line);
  if (line.front() == '#') return HandleOptionLine(line.substr(1));
  return HandleDataLine(line);
}

bool TouchstoneParser::HandleOptionLine(std::string_view words) {
  if (optionSeen_) return true;  // only the first option line counts
  if (!data_.frequencies.empty() || !record_.empty())
    return Fail(line_, "the option line must come before the data");
  optionSeen_ = true;
  const std::string problem = ReadOptionLine(words, options_);
  return problem.empty() || Fail(line_, problem);
}

bool TouchstoneParser::HandleDataLine(std::string_view line) {
  if (version2_ && !inNetworkData_) return Fail(line_, "data before [Network Data]");
  if (!version2_ && data_.ports == 0) {
    data_.ports = PortCountFromName(file_);
    if (data_.ports == 0)
      return Fail(0, "cannot tell the port count: a Touchstone 1.1 file is named .s1p, .s2p, "
                     ".s3p, .s4p ... after its ports");
  }
  words_.clear();
  SplitWords(line, words_);
  values_.resize(words_.size());
  std::string problem;
  for (std::size_t k = 0; k < words_.size(); ++k)
    if (!ReadNumber(words_[k], values_[k], problem)) return Fail(line_, problem);
  const std::vector<double>& values = values_;
  if (record_.empty()) return BeginRecord(values);
  const std::size_t needed = 1 + 2 * static_cast<std::size_t>(data_.ports) * data_.ports;
  if (record_.size() + values.size() > needed)
    return Fail(line_, std::to_string(values.size()) + " values, but the frequency on line " +
                           std::to_string(recordLine_) + " needs only " +
                           std::to_string(needed - record_.size()) + " more: " +
                           ValuesPerFrequency(data_.ports));
  record_.insert(record_.end(), values.begin(), values.end());
  return record_.size() < needed || CommitRecord();
}

bool TouchstoneParser::BeginRecord(const std::vector<double>& values) {
  const std::size_t needed = 1 + 2 * static_cast<std::size_t>(data_.ports) * data_.ports;
  // A two-port's noise block starts at a frequency no higher than the last, five values.
  constexpr std::size_t kNoiseValues = 5;
  if (!version2_ && data_.ports == 2 && values.size() == kNoiseValues &&
      !data_.frequencies.empty() && values[0] / options_.unitsPerGhz <= data_.frequencies.back()) {
    inNoiseData_ = true;
    return true;
  }
  if (values.size() > needed)
    return Fail(line_, std::to_string(values.size()) + " values: " +
                           ValuesPerFrequency(data_.ports));
  recordLine_ = line_;
  record_ = values;
  return record_.size() < needed || CommitRecord();
}

bool TouchstoneParser::CommitRecord() {
  const double frequency = record_[0] / options_.unitsPerGhz;
  if (frequency < 0.0) return Fail(recordLine_, "a negative frequency");
  if (!data_.frequencies.empty() && !(frequency > data_.frequencies.back()))
    return Fail(recordLine_, "the frequency does not increase over the one before it");
  data_.frequencies.push_back(frequency);
  const int n = data_.ports;
  matrix_.resize(static_cast<std::size_t>(n) * n);
  for (int pair = 0; pair < n * n; ++pair) {
    int row = pair / n;
    int column = pair % n;
    if (n == 2 && pairOrder21_) std::swap(row, column);  // S11 S21 S12 S22
    matrix_[row * n + column] = FromPair(record_[1 + 2 * pair], record_[2 + 2 * pair], options_.format);
  }
  data_.parameters.insert(data_.parameters.end(), matrix_.begin(), matrix_.end());
  record_.clear();
  return true;
}

bool TouchstoneParser::Finish() {
  if (!anything_) return Fail(0, "the file is empty");
  if (!record_.empty())
    return Fail(recordLine_, "the frequency on this line has only " +
                                 std::to_string(record_.size()) + " values: " +
                                 ValuesPerFrequency(data_.ports));
  if (version2_ && declaredFrequencies_ < 0)
    return Fail(0, "[Number of Frequencies] is missing");
  const int count = static_cast<int>(data_.frequencies.size());
  if (version2_ && count != declaredFrequencies_)
    return Fail(declaredFrequenciesLine_,
                "[Number of Frequencies] says " + std::to_string(declaredFrequencies_) +
                    ", the network data hold " + std::to_string(count));
  if (count < 2)
    return Fail(0, "a response needs at least two frequencies; the file has " +
                       std::to_string(count));
  return true;
}

}  // namespace tovan
