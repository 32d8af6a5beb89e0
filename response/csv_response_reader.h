#pragma once

#include <string>
#include <string_view>

#include "response/read_result.h"
#include "response/response_table.h"

namespace tovan {

// Reads a comma-separated table: a header row, then one row per frequency.
// Columns by position: the frequency, whose header names its unit (Hz, kHz, MHz or GHz,
// e.g. "Frequency (MHz)"); the magnitude, in dB when its header says dB and otherwise a
// linear ratio (not negative); optionally the phase, in degrees or radians as its
// header says ("deg", "rad"). Blank lines are skipped; blanks around fields are allowed.
// Without a phase column the phase is the minimum phase of the magnitude
// (minimum_phase.h) and the format reads "CSV, minimum phase".
// Refused, with the line: binary bytes, an empty file, a header without the needed
// units, a count of fields other than the header's, a value that is not a finite
// number, frequencies not strictly increasing or negative, fewer than two rows.
ReadResult<ResponseTable> ReadCsvResponse(std::string_view text, const std::string& file);

}  // namespace tovan
