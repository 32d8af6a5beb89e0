#pragma once

#include <functional>

class QObject;
class QSlider;

namespace tovan {

// Calls `handler` (in `context`) the way a scroll message reaches its dialog: once
// for every value change, once for every key, page or drag action on the slider even
// when it moves nothing (at an end of its range), and once when the thumb is
// released. Silent moves (QSignalBlocker) call nothing.
void OnEveryScroll(QSlider* slider, QObject* context, const std::function<void()>& handler);

}  // namespace tovan
