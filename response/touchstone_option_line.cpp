#include "response/touchstone_option_line.h"

#include <vector>

#include "response/quoted_word.h"
#include "response/text_lines.h"

namespace tovan {

namespace {

struct UnitWord {
  const char* word;
  double unitsPerGhz;
};
constexpr UnitWord kUnits[] = {{"hz", 1e9}, {"khz", 1e6}, {"mhz", 1e3}, {"ghz", 1.0}};

struct FormatWord {
  const char* word;
  PairFormat format;
};
constexpr FormatWord kFormats[] = {{"ri", PairFormat::kRealImaginary},
                                   {"ma", PairFormat::kMagnitudeAngle},
                                   {"db", PairFormat::kDbAngle}};

bool SetUnitOrFormat(const std::string& word, TouchstoneOptions& options) {
  for (const UnitWord& unit : kUnits)
    if (word == unit.word) {
      options.unitsPerGhz = unit.unitsPerGhz;
      return true;
    }
  for (const FormatWord& format : kFormats)
    if (word == format.word) {
      options.format = format.format;
      return true;
    }
  return false;
}

}  // namespace

std::string ReadOptionLine(std::string_view line, TouchstoneOptions& options) {
  std::vector<std::string_view> words;
  SplitWords(line, words);
  for (std::size_t k = 0; k < words.size(); ++k) {
    const std::string word = Lowered(words[k]);
    if (SetUnitOrFormat(word, options) || word == "s") continue;
    if (word == "y" || word == "z" || word == "h" || word == "g")
      return std::string(1, static_cast<char>(word[0] - 'a' + 'A')) +
             " parameters are not read, only S parameters";
    if (word == "r") {
      std::string problem;
      if (k + 1 >= words.size()) return "R needs the reference resistance after it";
      if (!ReadNumber(words[++k], options.referenceOhms, problem)) return "R: " + problem;
      continue;
    }
    return "unknown option " + QuotedWord(words[k]) +
           " (the option line holds Hz, kHz, MHz or GHz; S; RI, MA or DB; R and a resistance)";
  }
  return "";
}

}  // namespace tovan
