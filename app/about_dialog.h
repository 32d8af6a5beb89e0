#pragma once

#include <QDialog>

namespace tovan {

// The About box (template 100, "About Tovan"): the version text and the default
// "OK" button, 235 x 63 dialog units in the template font. The application icon,
// which the template places at 15, 17 without a size, is shown at the platform's
// large-icon size there, as a static icon control sizes itself to its icon.
// Run it with exec(): it is modal, and "OK", Enter or Escape end it. No fields or
// handlers of its own.
class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent);
};

}  // namespace tovan
