#include "response/quoted_word.h"

#include <cstdio>

namespace tovan {

namespace {
constexpr std::size_t kLongestQuote = 40;
}

std::string QuotedWord(std::string_view word) {
  std::string quoted = "'";
  const bool cut = word.size() > kLongestQuote;
  for (const char c : word.substr(0, kLongestQuote)) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte >= 0x7f) {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      quoted += escaped;
    } else {
      quoted += c;
    }
  }
  return quoted + (cut ? "...'" : "'");
}

}  // namespace tovan
