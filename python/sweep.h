#pragma once

#include <map>
#include <string>
#include <vector>

#include "python/engine_handle.h"

namespace tovan::python {

// One column per figure of a sweep: the swept values under the setting's own name,
// then input_KEY, output_KEY and difference_KEY for each documented eye figure (the
// columns of the command line's sweep CSV), NaN where a figure has no value.
using SweepColumns = std::map<std::string, std::vector<double>>;

// Measures the eye at each value of the named setting (SetByName) on one engine
// that has first been given the settings (name and value pairs, applied in order,
// so a "preset" given first is overridden by later settings). Stops before a value
// at which the engine fails, as the command line does.
SweepColumns Sweep(const std::string& name, const std::vector<double>& values,
                   const std::vector<std::pair<std::string, double>>& settings);

}  // namespace tovan::python
