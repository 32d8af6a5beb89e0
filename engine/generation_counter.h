#pragma once

#include <atomic>
#include <cstdint>

namespace tovan {

// The process-wide stamp source. Every stamp is a pre-increment, so stamps strictly
// increase in the order they are taken; they are compared unsigned. Atomic so that
// engines on separate threads (a command-line sweep) never take the same stamp or
// lose one; an engine itself is used by one thread at a time.
inline std::atomic<std::uint32_t> generationCounter{0};

inline std::uint32_t NextStamp() {
  return generationCounter.fetch_add(1, std::memory_order_relaxed) + 1;
}

}  // namespace tovan
