// The tovan Python module: the engine, its traces and eye figures as numpy arrays,
// and sweeps, all through the same library calls as the command line.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include "measure/engine_eye.h"
#include "python/engine_handle.h"
#include "python/numpy_values.h"
#include "python/sweep.h"

namespace py = pybind11;
using tovan::python::EngineHandle;

namespace {

constexpr const char* kModuleDoc = R"(Tovan's signal engine from Python.

    import tovan
    e = tovan.Engine()          # the engine's own defaults
    e.apply_preset(0)           # what the window and tovan-cli start with
    e.bandwidth = 8.0           # GHz; checked against the slider's range
    out = e.output_traces()     # one row per bit cell, volts
    f, mag = e.scope_magnitude()
    print(e.metrics()["output"]["eyeHeight"])
)";

py::dict Metrics(EngineHandle& handle) {
  const tovan::EyeComparison eye = tovan::MeasureEngineEye(handle.Engine());
  py::dict result;
  result["input"] = tovan::python::FiguresDict(eye.input);
  result["output"] = tovan::python::FiguresDict(eye.output);
  result["difference"] = tovan::python::FiguresDict(eye.difference);
  return result;
}

py::dict SweepDict(const std::string& name, const std::vector<double>& values,
                   const py::kwargs& settings) {
  std::vector<std::pair<std::string, double>> ordered;
  for (const auto& [key, value] : settings)
    ordered.emplace_back(py::cast<std::string>(key), py::cast<double>(value));
  py::dict result;
  for (const auto& [column, numbers] : tovan::python::Sweep(name, values, ordered))
    result[py::str(column)] = tovan::python::ToArray(numbers);
  return result;
}

}  // namespace

PYBIND11_MODULE(tovan, m) {
  m.doc() = kModuleDoc;
  py::register_exception<std::invalid_argument>(m, "SettingError", PyExc_ValueError);

  py::class_<EngineHandle>(m, "Engine", "One signal engine; settings in the controls' units.")
      .def(py::init<>())
      .def("apply_preset", &EngineHandle::ApplyPreset, py::arg("n"),
           "Writes scope preset n (0 to 7) into the scope settings.")
      .def_property("bitrate", &EngineHandle::Bitrate, &EngineHandle::SetBitrate, "Gbps")
      .def_property("risetime", &EngineHandle::Risetime, &EngineHandle::SetRisetime, "ps, 10 to 90 %")
      .def_property("samples_per_bit", &EngineHandle::SamplesPerBit,
                    &EngineHandle::SetSamplesPerBit, "16, 32, 64, 128 or 256")
      .def_property("bandwidth", &EngineHandle::Bandwidth, &EngineHandle::SetBandwidth, "GHz")
      .def_property("rolloff", &EngineHandle::Rolloff, &EngineHandle::SetRolloff, "dB/decade")
      .def_property("group_delay", &EngineHandle::GroupDelay, &EngineHandle::SetGroupDelay, "ps")
      .def_property("flatness", &EngineHandle::Flatness, &EngineHandle::SetFlatness,
                    "ten levels in dB at 1 ... 10 GHz")
      .def_property("three_cells", &EngineHandle::ThreeCells, &EngineHandle::SetThreeCells,
                    "three bit cells per trace instead of one")
      .def("failed", [](EngineHandle& h) { return h.Engine().Failed(); },
           "True once a computation has failed; results then stay as they were.")
      .def("input_traces", [](EngineHandle& h) {
             return tovan::python::RowsPerTrace(h.Engine().InputTraces()); },
           "The risetime-shaped input, one row per bit cell (volts).")
      .def("output_traces", [](EngineHandle& h) {
             return tovan::python::RowsPerTrace(h.Engine().OutputTraces()); },
           "The scope-affected pattern, one row per bit cell (volts).")
      .def("scope_magnitude", [](EngineHandle& h) {
             return tovan::python::Pair(h.Engine().ScopeMagnitudeTrace()); },
           "(GHz, dB) of the whole scope response.")
      .def("scope_phase", [](EngineHandle& h) {
             return tovan::python::Pair(h.Engine().ScopePhaseTrace()); },
           "(GHz, degrees) with the low-frequency delay removed.")
      .def("input_spectrum", [](EngineHandle& h) {
             return tovan::python::Pair(h.Engine().InputSpectrumTrace()); },
           "(GHz, dB relative to its maximum) of the input pattern.")
      .def("output_spectrum", [](EngineHandle& h) {
             return tovan::python::Pair(h.Engine().OutputSpectrumTrace()); },
           "(GHz, dB relative to its maximum) of the scope-affected pattern.")
      .def("load_response", &EngineHandle::LoadResponse, py::arg("path"),
           py::arg("mode") = "replace",
           "Loads a measured response (Touchstone .s2p/.s4p/.ts or CSV); mode 'replace' puts "
           "it in place of the modelled scope filter, 'cascade' multiplies it in.")
      .def("clear_response", &EngineHandle::ClearResponse,
           "Back to the modelled scope filter alone.")
      .def("stat_eye", [](EngineHandle& h, double rj, double dj, double noise, double ber) {
             return tovan::python::StatEyeDict(h.ComputeStatEyeAt(rj, dj, noise, ber)); },
           py::arg("rj") = 0.0, py::arg("dj") = 0.0, py::arg("noise") = 0.0,
           py::arg("ber") = 1e-12,
           "The statistical eye with random jitter rj (ps RMS), dual-Dirac jitter dj (ps), "
           "noise (mV RMS) at the target ber: the figures, bathtubs and contours of "
           "tovan-cli --stat-eye --json's \"statEye\".")
      .def("load_setup", &EngineHandle::LoadSetup, py::arg("path"),
           "Applies a setup file (the window's File, Open Setup): all of it, or nothing "
           "and a ValueError naming the file and the key.")
      .def("save_setup", &EngineHandle::SaveSetup, py::arg("path"),
           "Writes the settings as a setup file the window and tovan-cli --setup read.")
      .def("metrics", &Metrics,
           "Eye figures: {'input': {...}, 'output': {...}, 'difference': {...}}, NaN where "
           "a figure has no value.");

  m.def("sweep", &SweepDict, py::arg("name"), py::arg("values"),
        "Eye figures at each value of one setting, on an engine first given the keyword "
        "settings (preset=0 for the window's start). Returns a dict of numpy arrays: the "
        "values, then input_KEY, output_KEY and difference_KEY per figure.");
}
