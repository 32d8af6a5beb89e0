#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tovan {

// Walks a text line by line. Lines end at LF; a CR before the LF is dropped, so files
// written on any desktop read alike. Numbers run from 1.
class LineWalker {
 public:
  explicit LineWalker(std::string_view text) : text_(text) {}
  // Moves to the next line; false at the end of the text.
  bool Next();
  std::string_view Line() const { return line_; }
  int Number() const { return number_; }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
  std::string_view line_;
  int number_ = 0;
};

// The 1-based line of the first byte no text file holds (NUL or another control
// character than tab, CR, LF and form feed), or 0 when there is none.
int FirstBinaryLine(std::string_view text);

// text without leading and trailing blanks (spaces and tabs).
std::string_view Trimmed(std::string_view text);

// Appends the blank-separated words of line (spaces and tabs) to words.
void SplitWords(std::string_view line, std::vector<std::string_view>& words);

// Reads word as one finite decimal number (a leading '+' allowed, as the files
// write exponents and signs both ways). On refusal returns false and says why
// ("'abc' is not a number", "'inf' is not a finite number").
bool ReadNumber(std::string_view word, double& value, std::string& problem);

// ASCII lower case.
std::string Lowered(std::string_view text);

}  // namespace tovan
