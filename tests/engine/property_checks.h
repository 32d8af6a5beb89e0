#pragma once

#include <gtest/gtest.h>

#include "engine/signal_engine.h"

// What must hold after any sequence of control changes, whatever the settings on
// the control grids. Each check reports its first violation only.
namespace tovan::property {

// For the engine's current parameters (it is synchronised by the first accessor):
// - `Failed()` is false;
// - the pattern has 128 bits (B), N = B S samples, M = N/2 + 1 frequency points; both
//   trace tables have S rows (3S with three bit cells) and B columns and are cut from
//   the input and output signals with wrap-around; every frequency trace has M points
//   and its abscissae are the frequency axis; that axis starts at 0 and steps by
//   S * bitrate / (2M) to relative 1e-12;
// - both spectra peak at exactly 0 dB;
// - nothing is NaN or infinite, except a scope magnitude of -inf, which appears
//   exactly where the total response's magnitude is 0;
// - the phase lies in [-180, 180] up to 1e-9 degrees, is 0 at DC and equal at the
//   first two points to 1e-9 degrees (the low-frequency delay is removed);
// - the DC level is kept: the means of waveform, input signal and output signal
//   agree to 1e-12 V.
::testing::AssertionResult HoldsInvariants(SignalEngine& engine);

}  // namespace tovan::property
