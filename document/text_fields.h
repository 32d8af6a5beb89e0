#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovan {

// The whole of text as a finite decimal number (std::from_chars, general format).
// Refused: surrounding blanks, a leading '+', hexadecimal, "nan", "inf", trailing
// characters, and magnitudes the double range cannot hold (1e999, 1e-400).
std::optional<double> ParseFiniteReal(std::string_view text);

// The whole of text as a decimal integer that fits an int ("3.0" and "1e2" are refused).
std::optional<int> ParseWholeNumber(std::string_view text);

// The fields between separators; "" is one empty field, "a," two fields (for ',').
std::vector<std::string_view> SplitAt(std::string_view text, char separator);

// text in single quotes, control characters written as \xHH, so that a message that
// quotes it stays on one line.
std::string Quoted(std::string_view text);

}  // namespace tovan
