#pragma once

#include "app/dialog_template.h"

namespace tovan {

// Template 102, the main dialog "Tovan 1.0".
const DialogTemplate& MainDialogTemplate();

}  // namespace tovan
