#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "engine/scope_preset_table.h"
#include "engine/signal_engine.h"
#include "setup/setup.h"
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

  // Reads a setup file and applies all of it (the response file it names included) or,
  // when anything is refused, nothing: std::invalid_argument with the one-line message.
  void LoadSetup(const std::string& path);
  // Writes the current settings as a setup file (temporary name, then renamed): the
  // applied preset while the scope still holds it, else "custom"; the measured response
  // and the last statistical-eye settings where there are any.
  void SaveSetup(const std::string& path) const;

  // Writes one setting by its Python name ("bitrate", "group_delay", "flatness3" for
  // the level at 3 GHz, ...); throws std::invalid_argument for an unknown name.
  void SetByName(const std::string& name, double value);

  SignalEngine& Engine() { return *engine; }

 private:
  // The engine is not movable (its cells point at its nodes), so it lives on the heap.
  std::unique_ptr<SignalEngine> engine;
  int preset = kCustomPreset;  // the last preset applied
  std::optional<ResponseSetup> response;  // what load_response or a setup loaded
  std::optional<StatEyeSetup> statEye;    // the last statistical eye asked for
};

}  // namespace tovan::python
