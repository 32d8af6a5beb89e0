#pragma once

#include <QCheckBox>
#include <QPushButton>

namespace tovan {

// Check box and push-like toggle whose captions wrap onto several lines within the
// control's fixed rectangle, as the dialog templates lay them out. The whole
// rectangle takes the click.
class WrappingCheckBox : public QCheckBox {
  Q_OBJECT

 public:
  WrappingCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

class WrappingPushButton : public QPushButton {
  Q_OBJECT

 public:
  WrappingPushButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tovan
