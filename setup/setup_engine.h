#pragma once


#include "engine/signal_engine.h"
#include "setup/setup.h"

namespace tovan {

// Writes the setup into the engine's public cells as the controls would: a preset
// number applies its row (ApplyScopePreset), a custom setup writes its scope values;
// then the input signal values. Risetime and group delay go in as ps / 1000.0 (ns).
// The views and the optional blocks are the front end's to apply. Computes nothing.
void ApplySetup(SignalEngine& engine, const Setup& setup);

// True when the engine's scope cells hold exactly what ApplyScopePreset(preset) writes.
bool EngineHoldsPreset(const SignalEngine& engine, int preset);

// The setup of the engine's cells with the front end's preset selection and views.
// With a preset number the scope values are that row's (the caller keeps the cells
// on the row while the number is selected); risetime and group delay are converted
// by PsFromNs, so applying the result writes the identical cells.
Setup SetupFromEngine(const SignalEngine& engine, int preset, const SetupViews& views);

// The picoseconds p with p / 1000.0 == ns exactly, taking among such values the one
// with the shortest text. Some ns have no such p (43 * 0.001, which preset 4 writes,
// is one): then ns * 1000.0, which maps back to a neighbour of ns.
double PsFromNs(double ns);
// The one conversion from the controls' ps to the engine's ns.
double NsFromPs(double ps);

}  // namespace tovan
