#include "app/wrapping_buttons.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace tovan {

namespace {

constexpr int kWrappedText = Qt::TextWordWrap | Qt::TextShowMnemonic;
constexpr int kMarkGap = 3;
constexpr int kMarkHeight = 3;

}  // namespace

void WrappingCheckBox::SetMark(const QColor& color) {
  mark = color;
  update();
}

void WrappingCheckBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  painter.drawControl(QStyle::CE_CheckBox, option);
  // The caption starts a few pixels after the box, as template check boxes do.
  const QRect box = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
  const QRect textRect(box.right() + 4, 0, width() - box.right() - 4, height());
  painter.drawItemText(textRect, Qt::AlignLeft | Qt::AlignVCenter | kWrappedText, option.palette,
                       isEnabled(), caption, QPalette::WindowText);
  if (mark.isValid())
    painter.fillRect(QRect(box.left(), box.bottom() + kMarkGap, box.width(), kMarkHeight), mark);
}

void WrappingPushButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);
  const QRect textRect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  painter.drawItemText(textRect, Qt::AlignCenter | kWrappedText, option.palette, isEnabled(),
                       caption, QPalette::ButtonText);
}

}  // namespace tovan
