#pragma once

#include <string>

#include "response/network_data.h"
#include "response/read_result.h"
#include "response/response_table.h"

namespace tovan {

// Which ports of a four-port form the differential input and output pairs (1-based,
// four distinct ports). The default: ports 1 and 3 in, 2 and 4 out.
struct PortPairing {
  int inPlus = 1;
  int inMinus = 3;
  int outPlus = 2;
  int outMinus = 4;
};

// The thru response of a network: a two-port's S21; a four-port's differential thru
// SDD21 = (S(o+,i+) - S(o+,i-) - S(o-,i+) + S(o-,i-)) / 2, with the default pairing
// (S21 - S23 - S41 + S43) / 2. Any other port count is refused (line 0).
ReadResult<ResponseTable> SelectResponse(const NetworkData& network, const PortPairing& pairing,
                                         const std::string& file);

}  // namespace tovan
