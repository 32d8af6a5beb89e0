#pragma once

#include <array>
#include <memory>
#include <string>

#include "engine/scope_preset_table.h"
#include "engine/signal_engine.h"
#include "stateye/stat_eye.h"

namespace tovan::python {

// One engine behind the module's Engine class, with its parameters in the units the
// controls show. Every setter checks the value against its control's range exactly as
// the command line does and throws std::invalid_argument with the command line's
// message (less its program name) when it is refused; nothing is written then.
// Risetime and group delay are held by the engine in ns: the setters divide by 1000.0
// as the command line does, so equal settings give equal results to the last bit.
class EngineHandle {
 public:
  EngineHandle();  // the engine's own defaults, no preset applied

  void ApplyPreset(int preset);

  double Bitrate() const;  // Gbps
  void SetBitrate(double gbps);
  double Risetime() const;  // ps
  void SetRisetime(double ps);
  int SamplesPerBit() const;
  void SetSamplesPerBit(int samples);
  double Bandwidth() const;  // GHz
  void SetBandwidth(double ghz);
  double Rolloff() const;  // dB per decade
  void SetRolloff(double dbPerDecade);
  double GroupDelay() const;  // ps
  void SetGroupDelay(double ps);
  std::array<double, kFlatnessLevelCount> Flatness() const;  // dB at 1 ... 10 GHz
  void SetFlatness(const std::array<double, kFlatnessLevelCount>& levels);
  bool ThreeCells() const;
  void SetThreeCells(bool on);

  // Loads a measured response (the command line's --response and --response-mode:
  // "replace" or "cascade"); a refused file or mode throws std::invalid_argument with
  // the reader's one-line message and leaves the engine as it was.
  void LoadResponse(const std::string& path, const std::string& mode);
  void ClearResponse();

  // The statistical eye of the scope-affected pattern with rj and dj in ps, noise in mV
  // RMS and the target BER, each checked as --rj, --dj, --noise and --ber are.
  StatEye ComputeStatEyeAt(double rjPs, double djPs, double noiseMv, double ber);

  // Writes one setting by its Python name ("bitrate", "group_delay", "flatness3" for
  // the level at 3 GHz, ...); throws std::invalid_argument for an unknown name.
  void SetByName(const std::string& name, double value);

  SignalEngine& Engine() { return *engine; }

 private:
  // The engine is not movable (its cells point at its nodes), so it lives on the heap.
  std::unique_ptr<SignalEngine> engine;
};

}  // namespace tovan::python
