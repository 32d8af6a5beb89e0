#include "app/typed_value.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "app/binding_control.h"

namespace tovan {

namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// %g: the range ends as the user would write them.
std::string Shown(double x) {
  char text[64];
  std::snprintf(text, sizeof text, "%g", x);
  return text;
}

}  // namespace

TypedValue ReadTypedValue(const std::string& text, double lowest, double highest) {
  std::string number = Trimmed(text);
  if (!number.empty() && number.front() == '+') number.erase(0, 1);
  TypedValue typed;
  const char* end = number.data() + number.size();
  const auto [stop, error] = std::from_chars(number.data(), end, typed.value);
  if (number.empty() || error != std::errc() || stop != end || !std::isfinite(typed.value)) {
    typed.problem = "\"" + Trimmed(text) + "\" is not a number";
  } else if (typed.value < lowest || typed.value > highest) {
    typed.problem = number + " is outside " + Shown(lowest) + " to " + Shown(highest);
  }
  return typed;
}

int NearestPosition(double x, int first, int last, const std::function<double(int)>& valueAt) {
  int best = first;
  double bestDistance = std::fabs(valueAt(first) - x);
  for (int p = first + 1; p <= last; ++p) {
    const double distance = std::fabs(valueAt(p) - x);
    if (distance < bestDistance) {
      best = p;
      bestDistance = distance;
    }
  }
  return best;
}

std::string MoveControlToTyped(BindingControl* control, const std::string& text, int first,
                               int last, const std::function<double(int)>& valueAt) {
  const double a = valueAt(first);
  const double b = valueAt(last);
  const TypedValue typed = ReadTypedValue(text, std::min(a, b), std::max(a, b));
  if (!typed.problem.empty()) return typed.problem;
  if (control) control->SetPosition(NearestPosition(typed.value, first, last, valueAt));
  return "";
}

}  // namespace tovan
