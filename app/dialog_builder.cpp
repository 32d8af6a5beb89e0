#include "app/dialog_builder.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QSlider>

#include "app/template_group_box.h"
#include "app/up_down_control.h"
#include "app/wrapping_buttons.h"

namespace tovan {

QFont TemplateFont(const DialogTemplate& dialog) {
  QFont font;
  // Faces with the same metrics as the template's, where it is not installed.
  QStringList families{"Nimbus Sans", "Liberation Sans", "Arial", "DejaVu Sans"};
  if (QFontDatabase::hasFamily(dialog.fontFamily)) families.prepend(dialog.fontFamily);
  font.setFamilies(families);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(dialog.fontPointSize);
  return font;
}

DialogBaseUnits BaseUnitsFor(const QFont& font) {
  const QFontMetrics metrics(font);
  const int advance =
      metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return {AverageCharWidth(advance), metrics.height()};
}

QSize ClientPixelSize(const DialogTemplate& dialog, DialogBaseUnits units) {
  return {DialogXToPixels(dialog.width, units), DialogYToPixels(dialog.height, units)};
}

namespace {

QWidget* BlackFrame(QWidget* parent) {
  auto* frame = new QFrame(parent);
  frame->setFrameStyle(QFrame::Box | QFrame::Plain);
  frame->setLineWidth(1);
  QPalette palette = frame->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  palette.setColor(QPalette::Window, Qt::black);
  frame->setPalette(palette);
  frame->setAutoFillBackground(true);
  return frame;
}

QWidget* Edit(QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setReadOnly(true);
  edit->setAlignment(Qt::AlignCenter);
  edit->setFocusPolicy(Qt::NoFocus);
  return edit;
}

QWidget* Label(QWidget* parent, const QString& caption, Qt::Alignment alignment) {
  auto* label = new QLabel(caption, parent);
  label->setWordWrap(alignment == Qt::AlignLeft);
  label->setAlignment(alignment | Qt::AlignTop);
  return label;
}

QWidget* Bitmap(QWidget* parent, const QString& resource, QSize size) {
  auto* label = new QLabel(parent);
  const QPixmap picture(resource);
  if (!picture.isNull())
    label->setPixmap(picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  return label;
}

QWidget* Slider(QWidget* parent) {
  auto* slider = new QSlider(Qt::Vertical, parent);
  // Position 0 at the top, meaning the maximum; keys and wheel follow the picture.
  slider->setInvertedAppearance(true);
  slider->setInvertedControls(true);
  return slider;
}

QWidget* CreateControl(QWidget* parent, const ControlTemplate& control, QSize size) {
  const QString caption = QString::fromUtf8(control.caption);
  switch (control.kind) {
    case ControlKind::GroupBox:
      return new TemplateGroupBox(caption, parent);
    case ControlKind::VerticalSlider:
      return Slider(parent);
    case ControlKind::ReadOnlyEdit:
      return Edit(parent);
    case ControlKind::Label:
      return Label(parent, caption, Qt::AlignLeft);
    case ControlKind::CentredLabel:
      return Label(parent, caption, Qt::AlignHCenter);
    case ControlKind::CheckBox:
      return new WrappingCheckBox(caption, parent);
    case ControlKind::ToggleButton: {
      auto* toggle = new WrappingPushButton(caption, parent);
      toggle->setCheckable(true);
      return toggle;
    }
    case ControlKind::PushButton:
      return new WrappingPushButton(caption, parent);
    case ControlKind::DefaultButton: {
      auto* button = new WrappingPushButton(caption, parent);
      button->setDefault(true);
      return button;
    }
    case ControlKind::BlackFrame:
      return BlackFrame(parent);
    case ControlKind::SpinControl:
      return new UpDownControl(parent);
    case ControlKind::Bitmap:
      return Bitmap(parent, caption, size);
    case ControlKind::RadioButton:
      return new QRadioButton(caption, parent);
  }
  return new QWidget(parent);
}

// Faces differ from the template's in width: a one-line caption that would be cut
// grows its control (radio buttons to the right, centred labels both ways).
QRect FittedGeometry(const QWidget* widget, ControlKind kind, const PixelRect& r) {
  QRect rect(r.x, r.y, r.width, r.height);
  const int needed = widget->sizeHint().width();
  if (needed <= rect.width()) return rect;
  if (kind == ControlKind::RadioButton) rect.setWidth(needed);
  if (kind == ControlKind::CentredLabel) {
    const QPoint centre = rect.center();
    rect.setWidth(needed);
    rect.moveCenter(QPoint(centre.x(), rect.center().y()));
  }
  return rect;
}

}  // namespace

std::vector<QWidget*> BuildControls(QWidget* client, const DialogTemplate& dialog,
                                    DialogBaseUnits units) {
  std::vector<QWidget*> widgets;
  for (const ControlTemplate& control : dialog.controls) {
    const PixelRect r = DialogToPixels(control.rect, units);
    QWidget* widget = CreateControl(client, control, QSize(r.width, r.height));
    widget->setGeometry(FittedGeometry(widget, control.kind, r));
    if (control.id != -1) widget->setObjectName(ControlName(control.id));
    widget->setVisible(control.visible);
    widgets.push_back(widget);
  }
  return widgets;
}

}  // namespace tovan
