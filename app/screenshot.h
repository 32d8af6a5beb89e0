#pragma once

#include <QString>

namespace tovan {

class CSimulatorDlg;

// Once both plot views have had `ticks` timer ticks, the whole main dialog with its
// plots is saved as a PNG at `path` and the dialog is closed. A file that cannot be
// written is reported on standard error.
void CaptureAfterTicks(CSimulatorDlg& dialog, const QString& path, int ticks);

}  // namespace tovan
