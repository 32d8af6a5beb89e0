#include "response/response_options.h"

#include <array>

namespace tovan {

std::optional<ResponseMode> ParseResponseMode(std::string_view text) {
  if (text == "replace") return ResponseMode::kReplace;
  if (text == "cascade") return ResponseMode::kCascade;
  return std::nullopt;
}

std::optional<PortPairing> ParsePortPairing(std::string_view text) {
  constexpr std::size_t kLength = 7;  // "1,3,2,4"
  if (text.size() != kLength) return std::nullopt;
  std::array<int, 4> ports{};
  bool used[5] = {};
  for (std::size_t k = 0; k < ports.size(); ++k) {
    const char digit = text[2 * k];
    if (digit < '1' || digit > '4' || used[digit - '0']) return std::nullopt;
    if (k > 0 && text[2 * k - 1] != ',') return std::nullopt;
    used[digit - '0'] = true;
    ports[k] = digit - '0';
  }
  return PortPairing{ports[0], ports[1], ports[2], ports[3]};
}

}  // namespace tovan
