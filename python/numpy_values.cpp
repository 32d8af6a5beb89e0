#include "python/numpy_values.h"

#include <algorithm>
#include <limits>

#include "document/metrics_json.h"
#include "document/stat_eye_json.h"

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

py::dict StatEyeDict(const StatEye& eye) {
  constexpr double kMillivoltsPerVolt = 1000.0;  // as the document writes the noise
  py::dict result;
  result["targetBer"] = eye.settings.targetBer;
  result["rj"] = eye.settings.rj;
  result["dj"] = eye.settings.dj;
  result["noise"] = eye.settings.noise * kMillivoltsPerVolt;
  result["eyeHeight"] = eye.figures.eyeHeight;
  result["eyeWidth"] = eye.figures.eyeWidth;
  result["bestPhase"] = eye.figures.bestPhase;
  py::dict horizontal, vertical, contours;
  horizontal["phaseUi"] = ToArray(eye.horizontal.position);
  horizontal["log10Ber"] = ToArray(eye.horizontal.log10Ber);
  vertical["volts"] = ToArray(eye.vertical.position);
  vertical["log10Ber"] = ToArray(eye.vertical.log10Ber);
  for (const BerContour& contour : eye.contours) {
    const py::ssize_t n = static_cast<py::ssize_t>(contour.eye.size());
    py::array_t<double> line({n, py::ssize_t{2}});
    auto out = line.mutable_unchecked<2>();
    for (py::ssize_t i = 0; i < n; ++i) {
      out(i, 0) = contour.eye[i][0];
      out(i, 1) = contour.eye[i][1];
    }
    contours[py::str(BerKey(contour.ber))] = line;
  }
  result["bathtubHorizontal"] = horizontal;
  result["bathtubVertical"] = vertical;
  result["contours"] = contours;
  return result;
}

}  // namespace tovan::python
