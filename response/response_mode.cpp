#include "response/response_table.h"

namespace tovan {

const char* ResponseModeName(ResponseMode mode) {
  return mode == ResponseMode::kCascade ? "cascade" : "replace";
}

}  // namespace tovan
