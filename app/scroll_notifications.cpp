#include "app/scroll_notifications.h"

#include <QSlider>

namespace tovan {

void OnEveryScroll(QSlider* slider, QObject* context, const std::function<void()>& handler) {
  QObject::connect(slider, &QSlider::valueChanged, context, handler);
  // The action arrives before its value: a position already equal to the value is an
  // action that changes nothing, which no valueChanged will report.
  QObject::connect(slider, &QSlider::actionTriggered, context, [slider, handler] {
    if (slider->sliderPosition() == slider->value()) handler();
  });
  QObject::connect(slider, &QSlider::sliderReleased, context, handler);
}

}  // namespace tovan
