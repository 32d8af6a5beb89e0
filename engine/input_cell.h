#pragma once

#include "engine/cached_node.h"

namespace tovan {

// One engine parameter. Writing a different value stamps the owner and computes
// nothing; writing an equal value (for doubles: !=) stamps nothing.
template <class T>
struct InputCell {
  T initial;
  T value;
  bool flag = false;
  CachedNode* owner = nullptr;

  InputCell(T defaultValue, CachedNode* ownerNode)
      : initial(defaultValue), value(defaultValue), owner(ownerNode) {
    if (owner) owner->Stamp();
  }

  void Write(T v) {
    if (v != value && owner) owner->Stamp();
    value = v;
    flag = false;
  }
};

}  // namespace tovan
