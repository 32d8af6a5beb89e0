#pragma once

#include <optional>
#include <string>

namespace tovan {

// Why a file was refused: the file's name as given, the 1-based line where the
// problem applies (0 when it concerns the whole file) and what is wrong.
struct ReadError {
  std::string file;
  int line = 0;
  std::string what;
};

// "FILE, line N: WHAT", or "FILE: WHAT" for a whole-file problem; one line.
std::string ErrorMessage(const ReadError& error);

// What a reader returns: the value, or (when value is empty) the one error.
template <class T>
struct ReadResult {
  std::optional<T> value;
  ReadError error;
};

template <class T>
ReadResult<T> Refused(const std::string& file, int line, std::string what) {
  return {std::nullopt, ReadError{file, line, std::move(what)}};
}

}  // namespace tovan
