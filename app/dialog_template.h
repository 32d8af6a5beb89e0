#pragma once

#include <span>

#include "app/dialog_units.h"

namespace tovan {

// The kinds of control the dialog templates use.
enum class ControlKind {
  GroupBox,
  VerticalSlider,
  ReadOnlyEdit,  // read-only, centred
  Label,         // left-aligned static text, wrapped
  CentredLabel,  // one line, widened about its centre when the face needs it
  CheckBox,      // toggles itself, caption wrapped to its width
  ToggleButton,  // push-like check box, caption wrapped
  PushButton,
  DefaultButton,
  BlackFrame,   // bordered black frame: a plot's placeholder
  SpinControl,  // up-down with arrow keys, aligned to the right of its buddy
  Bitmap,
  RadioButton,  // automatic, one group per dialog; widened when the face needs it
};

// Ids every template shares: the control nothing refers to, and the buttons that
// end a dialog with acceptance or cancellation.
inline constexpr int kNoControlId = -1;
inline constexpr int kOkButton = 1;
inline constexpr int kCancelButton = 2;

// One control: id (kNoControlId when nothing refers to it), kind, caption (may be empty) and
// rectangle in dialog units.
struct ControlTemplate {
  int id;
  ControlKind kind;
  const char* caption;
  DialogRect rect;
  bool visible = true;
};

// A dialog: caption, font, client size in dialog units and its controls in the
// order they are created (later ones lie on top).
struct DialogTemplate {
  int id;
  const char* caption;
  const char* fontFamily;
  int fontPointSize;
  int width;
  int height;
  std::span<const ControlTemplate> controls;
};

}  // namespace tovan
