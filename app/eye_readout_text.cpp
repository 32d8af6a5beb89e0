#include "app/eye_readout_text.h"

#include <cmath>

#include "app/display_units.h"

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

QString VersusReference(const char* name, double live, double reference, int decimals,
                        const char* unit, double changeScale, int changeDecimals,
                        const char* changeUnit) {
  return QString("%1 %2 %3 (%4 %5 vs reference)")
      .arg(name, FigureText(live, decimals), unit,
           FigureText((live - reference) * changeScale, changeDecimals, true), changeUnit);
}

}  // namespace

QString EyeReferenceText(const EyeMetrics& live, const EyeMetrics& reference) {
  return "Scope-affected: " +
         VersusReference("eye height", live.eyeHeight, reference.eyeHeight, 3, "V",
                         kMillivoltsPerVolt, 0, "mV") +
         "   " +
         VersusReference("eye width", live.eyeWidth, reference.eyeWidth, 1, "ps", 1.0, 1, "ps") +
         "   " +
         VersusReference("jitter p-p", live.jitterPp, reference.jitterPp, 1, "ps", 1.0, 1, "ps");
}

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
