#include "app/about_dialog.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "app/dialog_builder.h"

namespace tovan {

namespace {

using K = ControlKind;

constexpr ControlTemplate kAboutControls[] = {
    {kNoControlId, K::Label, "Tovan Version 1.0", {52, 10, 119, 8}},
    {kOkButton, K::DefaultButton, "OK", {178, 7, 50, 14}},
};

constexpr DialogTemplate kAboutTemplate{100, "About Tovan", "MS Sans Serif", 8, 235, 63, kAboutControls};

// Where the template puts the application icon (resource 128), in dialog units.
constexpr int kIconX = 15;
constexpr int kIconY = 17;

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(kAboutTemplate.caption);
  setModal(true);
  const QFont font = TemplateFont(kAboutTemplate);
  setFont(font);
  const DialogBaseUnits units = BaseUnitsFor(font);
  BuildControls(this, kAboutTemplate, units);
  setFixedSize(ClientPixelSize(kAboutTemplate, units));

  const int iconSize = style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this);
  auto* icon = new QLabel(this);
  icon->setObjectName("icon");
  icon->setPixmap(QIcon(":/tovan/icon.png").pixmap(iconSize, iconSize));
  icon->setGeometry(DialogXToPixels(kIconX, units), DialogYToPixels(kIconY, units), iconSize,
                    iconSize);

  connect(FindControl<QPushButton>(this, kOkButton), &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace tovan
