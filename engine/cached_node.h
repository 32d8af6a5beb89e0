#pragma once

#include <cstdint>

#include "engine/generation_counter.h"

namespace tovan {

// Guards one cached quantity (or relays invalidation). Stale when dirtyStamp >=
// validStamp; construction takes validStamp first, then dirtyStamp, so a node is
// stale from birth.
struct CachedNode {
  std::uint32_t validStamp = NextStamp();
  std::uint32_t dirtyStamp = NextStamp();
  bool ready = false;

  bool IsStale() const { return dirtyStamp >= validStamp; }
  bool IsCurrent() const { return !IsStale(); }
  // Something this node depends on changed.
  void Stamp() { dirtyStamp = NextStamp(); }
  // A recomputation begins.
  void Refresh() {
    validStamp = NextStamp();
    ready = false;
  }
};

}  // namespace tovan
