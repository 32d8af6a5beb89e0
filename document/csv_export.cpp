#include "document/csv_export.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "document/number_format.h"
#include "document/text_fields.h"

namespace tovan {

namespace {

std::string WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(text.data(), static_cast<std::streamsize>(text.size()));
  file.close();
  return file ? std::string() : "cannot write " + Quoted(path.string());
}

}  // namespace

std::string TraceCsv(const Matrix& traces) {
  std::string text;
  const int cols = traces.cols();
  for (int c = 0; c < cols; ++c) {
    if (c > 0) text += ',';
    text += "cell_" + std::to_string(c);
  }
  text += '\n';
  for (int r = 0; r < traces.rows(); ++r) {
    // A ragged row leaves its missing cells empty.
    for (int c = 0; c < cols; ++c) {
      if (c > 0) text += ',';
      if (c < traces[r].size()) AppendShortest(text, traces[r][c]);
    }
    text += '\n';
  }
  return text;
}

std::string FrequencyCsv(const SampleTable& magnitude, const SampleTable& phase,
                         const SampleTable& inputSpectrum, const SampleTable& outputSpectrum) {
  const int n = std::min({magnitude.abscissae.length(), magnitude.ordinates.length(),
                          phase.ordinates.length(), inputSpectrum.ordinates.length(),
                          outputSpectrum.ordinates.length()});
  std::string text = "frequency_ghz,magnitude_db,phase_deg,input_spectrum_db,output_spectrum_db\n";
  for (int k = 0; k < n; ++k) {
    for (const double x : {magnitude.abscissae[k], magnitude.ordinates[k], phase.ordinates[k],
                           inputSpectrum.ordinates[k], outputSpectrum.ordinates[k]}) {
      AppendShortest(text, x);
      text += ',';
    }
    text.back() = '\n';
  }
  return text;
}

std::string WriteCsvFiles(SignalEngine& engine, const std::filesystem::path& directory) {
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  if (error) return "cannot create " + Quoted(directory.string()) + ": " + error.message();
  std::string problem = WriteFile(directory / "input_traces.csv", TraceCsv(engine.InputTraces()));
  if (problem.empty())
    problem = WriteFile(directory / "output_traces.csv", TraceCsv(engine.OutputTraces()));
  if (problem.empty())
    problem = WriteFile(directory / "frequency.csv",
                        FrequencyCsv(engine.ScopeMagnitudeTrace(), engine.ScopePhaseTrace(),
                                     engine.InputSpectrumTrace(), engine.OutputSpectrumTrace()));
  return problem;
}

}  // namespace tovan
