#pragma once

#include <optional>
#include <string_view>

#include "response/response_selection.h"
#include "response/response_table.h"

namespace tovan {

// "replace" or "cascade" (exactly), else nothing.
std::optional<ResponseMode> ParseResponseMode(std::string_view text);

// "I+,I-,O+,O-": four different whole numbers 1 to 4, comma-separated, no blanks
// (the default pairing reads "1,3,2,4"); else nothing.
std::optional<PortPairing> ParsePortPairing(std::string_view text);

}  // namespace tovan
