#pragma once

#include <functional>
#include <string>

namespace tovan {

// A value the user typed into a binding's box, in the box's displayed units.

// The number, or (problem not empty) one line saying why the text cannot be used.
struct TypedValue {
  double value = 0.0;
  std::string problem;
};

// Reads `text` as a decimal number (a point as the decimal mark whatever the locale,
// blanks around it and a leading '+' allowed, an exponent allowed) and checks it
// against lowest ... highest (ends included). Problems read, for example,
// "\"abc\" is not a number" and "7 is outside 1 to 6".
TypedValue ReadTypedValue(const std::string& text, double lowest, double highest);

// The position in first ... last whose value lies nearest x, the lower position on a
// tie: a value snapped to a control's grid by the arithmetic of its own positions.
int NearestPosition(double x, int first, int last, const std::function<double(int)>& valueAt);

class BindingControl;

// What both bindings do with typed text: read it against the values at the range's
// ends, then move the control (when there is one) to the nearest position. Returns ""
// or the one-line problem, the control untouched then.
std::string MoveControlToTyped(BindingControl* control, const std::string& text, int first,
                               int last, const std::function<double(int)>& valueAt);

}  // namespace tovan
