#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <span>

namespace tovan {

// Where a side dialog's frame of `size` goes the first time it opens, as the frame's
// top-left corner: beside `mainFrame` (the main window's frame) and fully inside
// `screen` (when it fits at all). The places tried: right of the main window with the
// tops aligned, below it with the left edges aligned, left of it, above it, each
// moved the least distance that brings it inside the screen. The place covering the
// least area of the main window and of the `occupied` frames (other open dialogs)
// wins; among equals the earlier one.
QPoint SideDialogPlace(QSize size, QRect mainFrame, QRect screen, std::span<const QRect> occupied);

}  // namespace tovan
