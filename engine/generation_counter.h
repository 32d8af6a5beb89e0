#pragma once

#include <cstdint>

namespace tovan {

// The process-wide stamp source. Every stamp is a pre-increment, so stamps strictly
// increase in the order they are taken; they are compared unsigned. Single-threaded
// by design: only the user-interface thread writes cells and calls accessors.
inline std::uint32_t generationCounter = 0;

inline std::uint32_t NextStamp() { return ++generationCounter; }

}  // namespace tovan
