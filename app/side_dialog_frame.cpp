#include "app/side_dialog_frame.h"

#include "app/dialog_builder.h"

namespace tovan {

QWidget* SetUpSideDialog(QDialog& dialog, const DialogTemplate& dialogTemplate) {
  dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
  dialog.setWindowTitle(dialogTemplate.caption);
  const QFont font = TemplateFont(dialogTemplate);
  dialog.setFont(font);
  const DialogBaseUnits units = BaseUnitsFor(font);
  auto* client = new QWidget(&dialog);
  client->setFont(font);
  const QSize size = ClientPixelSize(dialogTemplate, units);
  client->setGeometry(0, 0, size.width(), size.height());
  BuildControls(client, dialogTemplate, units);
  dialog.setFixedSize(size);
  return client;
}

}  // namespace tovan
