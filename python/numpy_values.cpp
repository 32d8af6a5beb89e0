#include "python/numpy_values.h"

#include <algorithm>
#include <limits>

#include "document/metrics_json.h"

namespace py = pybind11;

namespace tovan::python {

namespace {

py::array_t<double> CopyOf(const Vector& v) {
  py::array_t<double> array(v.length());
  std::copy(v.data(), v.data() + v.length(), array.mutable_data());
  return array;
}

}  // namespace

py::array_t<double> ToArray(const std::vector<double>& values) {
  py::array_t<double> array(static_cast<py::ssize_t>(values.size()));
  std::copy(values.begin(), values.end(), array.mutable_data());
  return array;
}

py::array_t<double> RowsPerTrace(const Matrix& traces) {
  const int samples = traces.rows();
  const int cells = traces.cols();
  py::array_t<double> array({cells, samples});
  auto out = array.mutable_unchecked<2>();
  for (int r = 0; r < samples; ++r)
    for (int c = 0; c < cells; ++c)
      // A ragged row has no element here; the document writes null, the array NaN.
      out(c, r) = c < traces[r].size() ? traces[r][c] : std::numeric_limits<double>::quiet_NaN();
  return array;
}

py::tuple Pair(const SampleTable& table) {
  return py::make_tuple(CopyOf(table.abscissae), CopyOf(table.ordinates));
}

py::dict FiguresDict(const EyeMetrics& metrics) {
  py::dict figures;
  for (const EyeMetricField& field : DocumentedEyeFields())
    figures[field.key] = metrics.*field.member;
  return figures;
}

}  // namespace tovan::python
