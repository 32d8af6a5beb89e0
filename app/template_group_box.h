#pragma once

#include <QGroupBox>

namespace tovan {

// A group box drawn as the dialog templates place it: the frame's top line runs
// through the middle of the title line and the title interrupts it, so controls
// just below the title (the flatness dialog's frequency labels) lie inside the
// frame, clear of its line.
class TemplateGroupBox : public QGroupBox {
  Q_OBJECT

 public:
  TemplateGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

  // The y of the frame's top line in the box's own coordinates.
  int FrameTop() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tovan
