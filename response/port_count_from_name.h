#pragma once

#include <string_view>

namespace tovan {

// The N of a file name ending in .sNp (any case, N from 1 to 99), or 0.
int PortCountFromName(std::string_view name);

}  // namespace tovan
