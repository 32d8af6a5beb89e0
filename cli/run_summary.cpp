#include "cli/run_summary.h"

#include "cli/number_format.h"

namespace tovan {

namespace {

std::string Plain(double x) {
  std::string text = ShortestText(x);
  if (text.ends_with(".0")) text.resize(text.size() - 2);
  return text;
}

}  // namespace

std::string RunSummary(SignalEngine& engine) {
  const Matrix& traces = engine.OutputTraces();
  std::string text = "input: " + Plain(engine.bitrate.value) + " Gbps, risetime " +
                     Plain(engine.risetime.value * 1000.0) + " ps, " +
                     std::to_string(engine.samplesPerBit.value) + " samples per bit cell\n";
  text += "scope: " + Plain(engine.bandwidth.value) + " GHz, rolloff " +
          Plain(engine.rolloff.value) + " dB/decade, group delay " +
          Plain(engine.groupDelay.value * 1000.0) + " ps, flatness";
  for (const InputCell<double>& level : engine.flatnessLevels) text += " " + Plain(level.value);
  text += " dB\n";
  text += "traces: " + std::to_string(traces.cols()) + " bit cells of " +
          std::to_string(traces.rows()) + " samples; " +
          std::to_string(engine.ScopeMagnitudeTrace().abscissae.length()) + " frequency points\n";
  return text;
}

}  // namespace tovan
