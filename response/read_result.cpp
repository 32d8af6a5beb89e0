#include "response/read_result.h"

namespace tovan {

std::string ErrorMessage(const ReadError& error) {
  if (error.line <= 0) return error.file + ": " + error.what;
  return error.file + ", line " + std::to_string(error.line) + ": " + error.what;
}

}  // namespace tovan
