#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <vector>

#include "measure/eye_metrics.h"
#include "stateye/stat_eye.h"
#include "numeric/row_matrix.h"
#include "transfer/sample_table.h"

namespace tovan::python {

// Copies of engine results as numpy arrays of float64, element for element.
pybind11::array_t<double> ToArray(const std::vector<double>& values);
// One row per trace, that is one row per column of the matrix (the command line's
// JSON layout: the list of the matrix's columns).
pybind11::array_t<double> RowsPerTrace(const Matrix& traces);
// (abscissae, ordinates).
pybind11::tuple Pair(const SampleTable& table);
// {KEY: value} for the documented eye figures, NaN where a figure has no value.
pybind11::dict FiguresDict(const EyeMetrics& metrics);

// The statistical eye as the command line's JSON "statEye" object has it (noise in mV,
// bathtubs as dicts of arrays, each contour an n x 2 array of (phaseUi, volts)).
pybind11::dict StatEyeDict(const StatEye& eye);

}  // namespace tovan::python
