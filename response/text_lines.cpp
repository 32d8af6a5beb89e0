#include "response/text_lines.h"

#include <charconv>
#include <cmath>

#include "response/quoted_word.h"

namespace tovan {

bool LineWalker::Next() {
  if (position_ >= text_.size()) return false;
  const std::size_t end = text_.find('\n', position_);
  const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
  line_ = text_.substr(position_, stop - position_);
  if (!line_.empty() && line_.back() == '\r') line_.remove_suffix(1);
  position_ = stop + 1;
  ++number_;
  return true;
}

int FirstBinaryLine(std::string_view text) {
  int line = 1;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '\n') ++line;
    else if ((byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\f') || byte == 0x7f)
      return line;
  }
  return 0;
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

void SplitWords(std::string_view line, std::vector<std::string_view>& words) {
  std::size_t position = 0;
  while (true) {
    const std::size_t first = line.find_first_not_of(" \t", position);
    if (first == std::string_view::npos) return;
    std::size_t last = line.find_first_of(" \t", first);
    if (last == std::string_view::npos) last = line.size();
    words.push_back(line.substr(first, last - first));
    position = last;
  }
}

bool ReadNumber(std::string_view word, double& value, std::string& problem) {
  std::string_view digits = word;
  if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-' && digits[1] != '+')
    digits.remove_prefix(1);
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                            std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    problem = QuotedWord(word) + " is out of the range of numbers";
    return false;
  }
  if (error != std::errc() || end != digits.data() + digits.size()) {
    problem = QuotedWord(word) + " is not a number";
    return false;
  }
  if (!std::isfinite(value)) {
    problem = QuotedWord(word) + " is not a finite number";
    return false;
  }
  return true;
}

std::string Lowered(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

}  // namespace tovan
