#pragma once

#include <filesystem>
#include <string>

#include "engine/signal_engine.h"
#include "numeric/row_matrix.h"
#include "transfer/sample_table.h"

namespace tovan {

// A trace matrix as CSV: the header "cell_0,cell_1,..." (one column per bit cell,
// that is per matrix column), then one line per matrix row. Numbers as in
// number_format.h; every line ends in '\n'.
std::string TraceCsv(const Matrix& traces);

// The four frequency-domain traces side by side: the header
// "frequency_ghz,magnitude_db,phase_deg,input_spectrum_db,output_spectrum_db", then
// one line per frequency, the frequency taken from the magnitude trace's abscissae.
// Traces of unequal length are cut to the shortest.
std::string FrequencyCsv(const SampleTable& magnitude, const SampleTable& phase,
                         const SampleTable& inputSpectrum, const SampleTable& outputSpectrum);

// Writes input_traces.csv, output_traces.csv and frequency.csv into directory,
// creating it when missing. Returns "" on success, else one line saying what could
// not be written.
std::string WriteCsvFiles(SignalEngine& engine, const std::filesystem::path& directory);

}  // namespace tovan
