#pragma once

#include <QDialog>

#include "app/dialog_template.h"

namespace tovan {

// Gives a modeless side dialog its template: caption, font, fixed client size and
// controls, as a titled window without a system menu or close box. Returns the
// widget holding the controls.
QWidget* SetUpSideDialog(QDialog& dialog, const DialogTemplate& dialogTemplate);

}  // namespace tovan
