#pragma once

#include <QDialog>

#include "app/dialog_template.h"

namespace tovan {

// Gives a modeless side dialog its template: caption, font, fixed client size and
// controls, as a titled window asking for no buttons but a close box (no system
// menu, no minimise or maximise); the dialog makes closing hide it. Returns the
// widget holding the controls.
QWidget* SetUpSideDialog(QDialog& dialog, const DialogTemplate& dialogTemplate);

}  // namespace tovan
