#include <charconv>

#include "response/quoted_word.h"
#include "response/text_lines.h"
#include "response/touchstone_parser.h"

// The bracketed keywords of version 2.0 files.
namespace tovan {

namespace {

// The whole of text as a positive whole number, or 0.
int PositiveWhole(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1) return 0;
  return value;
}

}  // namespace

bool TouchstoneParser::HandleKeyword(std::string_view line) {
  const std::size_t close = line.find(']');
  if (close == std::string_view::npos) return Fail(line_, "a keyword without its closing ']'");
  const std::string name = Lowered(Trimmed(line.substr(1, close - 1)));
  const std::string_view argument = Trimmed(line.substr(close + 1));
  if (name == "version") return HandleVersion(argument);
  if (!version2_) return Fail(line_, "a keyword before [Version] 2.0");
  if (inInformation_) {
    if (name == "end information") inInformation_ = false;
    return true;
  }
  if (name == "number of ports" || name == "number of frequencies" ||
      name == "number of noise frequencies")
    return HandleCountKeyword(name, argument);
  if (name == "two-port data order") {
    const std::string order = Lowered(argument);
    if (order != "12_21" && order != "21_12")
      return Fail(line_, "[Two-Port Data Order] is 12_21 or 21_12, not " + QuotedWord(argument));
    pairOrder21_ = order == "21_12";
    orderGiven_ = true;
    return true;
  }
  if (name == "reference") {
    if (data_.ports == 0) return Fail(line_, "[Reference] before [Number of Ports]");
    referenceRemaining_ = data_.ports;
    return argument.empty() || HandleReferenceValues(argument);
  }
  if (name == "matrix format") {
    const std::string format = Lowered(argument);
    if (format == "full") return true;
    if (format == "lower" || format == "upper")
      return Fail(line_, "the " + QuotedWord(argument) +
                             " matrix format is not read, only Full");
    return Fail(line_, "unknown [Matrix Format] " + QuotedWord(argument));
  }
  if (name == "mixed-mode order") return Fail(line_, "mixed-mode data are not read");
  if (name == "network data") return HandleNetworkDataKeyword();
  if (name == "noise data") {
    inNetworkData_ = false;
    inNoiseData_ = true;
    return true;
  }
  if (name == "begin information") {
    inInformation_ = true;
    return true;
  }
  if (name == "end") {
    ended_ = true;
    return true;
  }
  return Fail(line_, "unknown keyword " + QuotedWord(line.substr(0, close + 1)));
}

bool TouchstoneParser::HandleVersion(std::string_view argument) {
  if (argument != "2.0")
    return Fail(line_, "version " + QuotedWord(argument) + " is not read (1.1 and 2.0 are)");
  version2_ = true;
  pairOrder21_ = false;
  data_.format = "Touchstone 2.0";
  return true;
}

bool TouchstoneParser::HandleCountKeyword(const std::string& name, std::string_view argument) {
  const int count = PositiveWhole(argument);
  if (count == 0)
    return Fail(line_, "[" + name + "] needs a positive whole number, not " + QuotedWord(argument));
  if (name == "number of ports") {
    data_.ports = count;
  } else if (name == "number of frequencies") {
    declaredFrequencies_ = count;
    declaredFrequenciesLine_ = line_;
  }
  return true;
}

bool TouchstoneParser::HandleNetworkDataKeyword() {
  if (data_.ports == 0) return Fail(line_, "[Network Data] before [Number of Ports]");
  if (declaredFrequencies_ < 0) return Fail(line_, "[Network Data] before [Number of Frequencies]");
  if (data_.ports == 2 && !orderGiven_)
    return Fail(line_, "a two-port file needs [Two-Port Data Order] before [Network Data]");
  if (!optionSeen_) return Fail(line_, "[Network Data] before the option line");
  inNetworkData_ = true;
  return true;
}

bool TouchstoneParser::HandleReferenceValues(std::string_view line) {
  std::vector<std::string_view> words;
  SplitWords(line, words);
  std::string problem;
  for (const std::string_view word : words) {
    double ohms = 0.0;
    if (referenceRemaining_ == 0)
      return Fail(line_, "[Reference] holds one resistance per port, " +
                             std::to_string(data_.ports) + " in all");
    if (!ReadNumber(word, ohms, problem)) return Fail(line_, "[Reference]: " + problem);
    --referenceRemaining_;
  }
  return true;
}

}  // namespace tovan
