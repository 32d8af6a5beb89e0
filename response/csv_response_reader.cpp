#include "response/csv_response_reader.h"

#include <cmath>
#include <vector>

#include "numeric/constants.h"
#include "response/minimum_phase.h"
#include "response/quoted_word.h"
#include "response/text_lines.h"

namespace tovan {

namespace {

struct CsvColumns {
  int count = 0;
  double unitsPerGhz = 1.0;
  bool magnitudeInDb = false;
  double radiansPerPhaseUnit = 1.0;
};

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = line.find(',', start);
    fields.push_back(Trimmed(line.substr(start, comma - start)));
    if (comma == std::string_view::npos) return fields;
    start = comma + 1;
  }
}

// "" or what is wrong with the header row.
std::string ReadHeader(const std::vector<std::string_view>& fields, CsvColumns& columns) {
  constexpr int kLeast = 2;
  constexpr int kMost = 3;
  double number = 0.0;
  std::string ignored;
  if (ReadNumber(fields[0], number, ignored))
    return "a header row is needed first, e.g. Frequency (GHz),Magnitude (dB),Phase (deg)";
  columns.count = static_cast<int>(fields.size());
  if (columns.count < kLeast || columns.count > kMost)
    return std::to_string(columns.count) +
           " columns: the header names 2 or 3 (frequency, magnitude, optionally phase)";
  const std::string frequency = Lowered(fields[0]);
  struct Unit {
    const char* name;
    double unitsPerGhz;
  };
  // Longest first: "hz" ends each of them.
  constexpr Unit kUnits[] = {{"ghz", 1.0}, {"mhz", 1e3}, {"khz", 1e6}, {"hz", 1e9}};
  columns.unitsPerGhz = 0.0;
  for (const Unit& unit : kUnits)
    if (columns.unitsPerGhz == 0.0 && frequency.find(unit.name) != std::string::npos)
      columns.unitsPerGhz = unit.unitsPerGhz;
  if (columns.unitsPerGhz == 0.0)
    return "the frequency header " + QuotedWord(fields[0]) + " names no unit (Hz, kHz, MHz or GHz)";
  columns.magnitudeInDb = Lowered(fields[1]).find("db") != std::string::npos;
  if (columns.count == kMost) {
    const std::string phase = Lowered(fields[2]);
    if (phase.find("deg") != std::string::npos) columns.radiansPerPhaseUnit = kRadiansPerDegree;
    else if (phase.find("rad") == std::string::npos)
      return "the phase header " + QuotedWord(fields[2]) + " says neither deg nor rad";
  }
  return "";
}

class CsvRows {
 public:
  explicit CsvRows(const std::string& file) : file_(file) {}
  ReadResult<ResponseTable> Read(std::string_view text);

 private:
  std::string Row(const std::vector<std::string_view>& fields);
  ResponseTable Table() const;

  std::string file_;
  CsvColumns columns_;
  std::vector<double> frequencies_, magnitudes_, phases_;
};

std::string CsvRows::Row(const std::vector<std::string_view>& fields) {
  if (static_cast<int>(fields.size()) != columns_.count)
    return std::to_string(fields.size()) + " fields, the header has " +
           std::to_string(columns_.count);
  double values[3] = {};
  std::string problem;
  for (int k = 0; k < columns_.count; ++k)
    if (!ReadNumber(fields[k], values[k], problem)) return problem;
  const double frequency = values[0] / columns_.unitsPerGhz;
  if (frequency < 0.0) return "a negative frequency";
  if (!frequencies_.empty() && !(frequency > frequencies_.back()))
    return "the frequency does not increase over the one before it";
  if (!columns_.magnitudeInDb && values[1] < 0.0) return "a linear magnitude cannot be negative";
  frequencies_.push_back(frequency);
  magnitudes_.push_back(columns_.magnitudeInDb ? std::pow(10.0, values[1] / 20.0) : values[1]);
  if (columns_.count == 3) phases_.push_back(values[2] * columns_.radiansPerPhaseUnit);
  return "";
}

ResponseTable CsvRows::Table() const {
  ResponseTable table;
  table.file = file_;
  table.format = columns_.count == 3 ? "CSV" : "CSV, minimum phase";
  table.frequencies = frequencies_;
  const std::vector<double> phases =
      columns_.count == 3 ? phases_ : MinimumPhase(frequencies_, magnitudes_);
  table.values.resize(frequencies_.size());
  for (std::size_t i = 0; i < frequencies_.size(); ++i)
    table.values[i] = {magnitudes_[i] * std::cos(phases[i]), magnitudes_[i] * std::sin(phases[i])};
  return table;
}

ReadResult<ResponseTable> CsvRows::Read(std::string_view text) {
  if (const int binary = FirstBinaryLine(text); binary > 0)
    return Refused<ResponseTable>(file_, binary, "binary data, not a text file");
  LineWalker lines(text);
  bool headerSeen = false;
  while (lines.Next()) {
    if (Trimmed(lines.Line()).empty()) continue;
    const std::vector<std::string_view> fields = Fields(lines.Line());
    const std::string problem = headerSeen ? Row(fields) : ReadHeader(fields, columns_);
    if (!problem.empty()) return Refused<ResponseTable>(file_, lines.Number(), problem);
    headerSeen = true;
  }
  if (!headerSeen) return Refused<ResponseTable>(file_, 0, "the file is empty");
  if (frequencies_.size() < 2)
    return Refused<ResponseTable>(file_, 0,
                                  "a response needs at least two frequencies; the file has " +
                                      std::to_string(frequencies_.size()));
  return {Table(), {}};
}

}  // namespace

ReadResult<ResponseTable> ReadCsvResponse(std::string_view text, const std::string& file) {
  return CsvRows(file).Read(text);
}

}  // namespace tovan
