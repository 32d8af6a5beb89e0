#include "response/response_selection.h"

namespace tovan {

ReadResult<ResponseTable> SelectResponse(const NetworkData& network, const PortPairing& pairing,
                                         const std::string& file) {
  constexpr int kTwoPort = 2;
  constexpr int kFourPort = 4;
  if (network.ports != kTwoPort && network.ports != kFourPort)
    return Refused<ResponseTable>(
        file, 0,
        "a " + std::to_string(network.ports) +
            "-port file: only two-ports (S21) and four-ports (SDD21) have a thru response to read");
  ResponseTable table;
  table.file = file;
  table.format = network.format;
  table.ports = network.ports;
  table.frequencies = network.frequencies;
  const int count = static_cast<int>(network.frequencies.size());
  table.values.resize(count);
  for (int k = 0; k < count; ++k) {
    if (network.ports == kTwoPort) {
      table.values[k] = network.S(k, 2, 1);
      continue;
    }
    const PortPairing& p = pairing;
    // Summed left to right as the formula is written.
    const Complex sum = network.S(k, p.outPlus, p.inPlus) - network.S(k, p.outPlus, p.inMinus) -
                        network.S(k, p.outMinus, p.inPlus) + network.S(k, p.outMinus, p.inMinus);
    table.values[k] = sum * Complex{0.5, 0.0};
  }
  return {std::move(table), {}};
}

}  // namespace tovan
