#pragma once

#include <QCheckBox>
#include <QColor>
#include <QPushButton>

namespace tovan {

// Check box and push-like toggle whose captions wrap onto several lines within the
// control's fixed rectangle, as the dialog templates lay them out. The whole
// rectangle takes the click. A check box may carry a mark, a short bar in a trace's
// colour under its indicator, as the legend of the trace it shows.
class WrappingCheckBox : public QCheckBox {
  Q_OBJECT

 public:
  WrappingCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {}

  void SetMark(const QColor& color);
  QColor Mark() const { return mark; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

 private:
  QColor mark;  // invalid: no mark
};

class WrappingPushButton : public QPushButton {
  Q_OBJECT

 public:
  WrappingPushButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tovan
