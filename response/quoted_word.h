#pragma once

#include <string>
#include <string_view>

namespace tovan {

// word in single quotes for a message, cut to 40 characters and with control or
// non-ASCII bytes written as \xHH, so that the message stays one readable line.
std::string QuotedWord(std::string_view word);

}  // namespace tovan
