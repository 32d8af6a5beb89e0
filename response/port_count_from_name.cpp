#include "response/port_count_from_name.h"

#include <charconv>

namespace tovan {

int PortCountFromName(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return 0;
  const std::string_view extension = name.substr(dot + 1);
  constexpr std::size_t kShortest = 3;  // "s2p"
  constexpr std::size_t kLongest = 4;   // "s12p"
  if (extension.size() < kShortest || extension.size() > kLongest) return 0;
  if ((extension.front() != 's' && extension.front() != 'S') ||
      (extension.back() != 'p' && extension.back() != 'P'))
    return 0;
  int ports = 0;
  const std::string_view digits = extension.substr(1, extension.size() - 2);
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), ports);
  if (error != std::errc() || end != digits.data() + digits.size() || ports < 1) return 0;
  return ports;
}

}  // namespace tovan
