#include "app/eye_readout_text.h"

#include <cmath>

namespace tovan {

QString FigureText(double value, int decimals, bool signedValue) {
  if (!std::isfinite(value)) return "n/a";
  QString text = QString::number(value, 'f', decimals);
  const bool roundsToZero = text.toDouble() == 0.0;
  // "-0.0" reads as a change where there is none.
  if (roundsToZero && text.startsWith('-')) text.remove(0, 1);
  if (signedValue && !roundsToZero && !text.startsWith('-')) text.prepend('+');
  return text;
}

namespace {

QString Pair(const char* name, double input, double output, int decimals, const char* unit) {
  return QString("%1 %2 / %3 %4")
      .arg(name, FigureText(input, decimals), FigureText(output, decimals), unit);
}

}  // namespace

QString EyeReadoutText(const EyeComparison& eye) {
  return Pair("Eye height", eye.input.eyeHeight, eye.output.eyeHeight, 3, "V") + "   " +
         Pair("Eye width", eye.input.eyeWidth, eye.output.eyeWidth, 1, "ps") + "   " +
         Pair("Jitter p-p", eye.input.jitterPp, eye.output.jitterPp, 1, "ps") +
         "   (input / scope-affected)";
}

QString EyeDifferenceText(const EyeComparison& eye) {
  const EyeMetrics& d = eye.difference;
  return QString("Scope minus input: eye height %1 V, eye width %2 ps, jitter p-p %3 ps")
      .arg(FigureText(d.eyeHeight, 3, true), FigureText(d.eyeWidth, 1, true),
           FigureText(d.jitterPp, 1, true));
}

}  // namespace tovan
