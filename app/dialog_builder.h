#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <QWidget>
#include <vector>

#include "app/dialog_template.h"

namespace tovan {

// Builds a dialog's controls from its template, at pixel positions given by the
// template font's dialog base units, so the layout keeps its proportions at any DPI.

// The template's font (point size as given; a similar sans font where the named one
// is missing).
QFont TemplateFont(const DialogTemplate& dialog);

// Average width of the letters A-Z a-z (rounded) and the line height of the font.
DialogBaseUnits BaseUnitsFor(const QFont& font);

QSize ClientPixelSize(const DialogTemplate& dialog, DialogBaseUnits units);

// Creates every control as a direct child of `client`, in template order, each named
// by its id (unnamed for -1). Check boxes and toggles toggle themselves. Returns the
// controls in template order (one per template row).
std::vector<QWidget*> BuildControls(QWidget* client, const DialogTemplate& dialog,
                                    DialogBaseUnits units);

inline QString ControlName(int id) { return QString::number(id); }

// The direct child of `client` created for control `id`, or null.
template <class T>
T* FindControl(const QWidget* client, int id) {
  return client->findChild<T*>(ControlName(id), Qt::FindDirectChildrenOnly);
}

}  // namespace tovan
