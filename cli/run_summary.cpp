#include "cli/run_summary.h"

#include "document/number_format.h"

namespace tovan {

std::string RunSummary(SignalEngine& engine) {
  const Matrix& traces = engine.OutputTraces();
  std::string text = "input: " + PlainText(engine.bitrate.value) + " Gbps, risetime " +
                     PlainText(engine.risetime.value * 1000.0) + " ps, " +
                     std::to_string(engine.samplesPerBit.value) + " samples per bit cell\n";
  text += "scope: " + PlainText(engine.bandwidth.value) + " GHz, rolloff " +
          PlainText(engine.rolloff.value) + " dB/decade, group delay " +
          PlainText(engine.groupDelay.value * 1000.0) + " ps, flatness";
  for (const InputCell<double>& level : engine.flatnessLevels) text += " " + PlainText(level.value);
  text += " dB\n";
  text += "traces: " + std::to_string(traces.cols()) + " bit cells of " +
          std::to_string(traces.rows()) + " samples; " +
          std::to_string(engine.ScopeMagnitudeTrace().abscissae.length()) + " frequency points\n";
  return text;
}

}  // namespace tovan
