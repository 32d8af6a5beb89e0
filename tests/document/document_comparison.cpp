#include "document_comparison.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "document/number_format.h"
#include "document/text_fields.h"

namespace tovan::cli_test {

namespace {

using Json = nlohmann::ordered_json;

const std::vector<std::string> kTopOrder = {"parameters",
                                            "failed",
                                            "stages",
                                            "inputTraces",
                                            "outputTraces",
                                            "scopeMagnitudeTrace",
                                            "scopePhaseTrace",
                                            "outputSpectrumTrace",
                                            "inputSpectrumTrace"};

const std::vector<std::string> kStageOrder = {"sequence",
                                              "waveform",
                                              "waveformSpectrum",
                                              "frequencyAxis",
                                              "riseFilter",
                                              "riseResponse",
                                              "inputSignal",
                                              "scopeFilter",
                                              "scopeResponse",
                                              "groupDelayCurve",
                                              "groupDelayResponse",
                                              "powerLaw",
                                              "flatnessFitIterations",
                                              "flatnessFitParameters",
                                              "flatnessTargetRatio",
                                              "fittedZeros",
                                              "fittedPoles",
                                              "flatnessFilter",
                                              "flatnessResponse",
                                              "outputSignal"};

std::string Summary(const Json& value) {
  if (value.is_array()) return "array of " + std::to_string(value.size());
  if (value.is_object()) return "object of " + std::to_string(value.size()) + " keys";
  if (value.is_number_float()) return ShortestText(value.get<double>());
  return value.dump();
}

bool SameNumber(const Json& a, const Json& b) {
  if (a.is_number_float() || b.is_number_float())
    return std::bit_cast<std::uint64_t>(a.get<double>()) ==
           std::bit_cast<std::uint64_t>(b.get<double>());
  return a == b;
}

std::optional<FirstDifference> Compare(const Json& a, const Json& b, const std::string& path);

std::optional<FirstDifference> CompareArrays(const Json& a, const Json& b,
                                             const std::string& path) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i)
    if (auto d = Compare(a[i], b[i], path + "[" + std::to_string(i) + "]")) return d;
  if (a.size() != b.size()) return FirstDifference{path, Summary(a), Summary(b)};
  return std::nullopt;
}

// The keys of `order` that either side has, in that order, then the reference's other
// keys, then the candidate's.
std::vector<std::string> KeyOrder(const Json& a, const Json& b,
                                  const std::vector<std::string>& order) {
  std::vector<std::string> keys;
  const auto add = [&keys](const std::string& key) {
    if (std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
  };
  for (const std::string& key : order)
    if (a.contains(key) || b.contains(key)) add(key);
  for (const auto& item : a.items()) add(item.key());
  for (const auto& item : b.items()) add(item.key());
  return keys;
}

std::optional<FirstDifference> CompareObjects(const Json& a, const Json& b, const std::string& path,
                                              const std::vector<std::string>& order) {
  for (const std::string& key : KeyOrder(a, b, order)) {
    const std::string where = path.empty() ? key : path + "." + key;
    if (!a.contains(key)) return FirstDifference{where, "(absent)", Summary(b[key])};
    if (!b.contains(key)) return FirstDifference{where, Summary(a[key]), "(absent)"};
    const std::vector<std::string> inner =
        key == "stages" && path.empty() ? kStageOrder : std::vector<std::string>{};
    if (auto d = a[key].is_object() && b[key].is_object()
                     ? CompareObjects(a[key], b[key], where, inner)
                     : Compare(a[key], b[key], where))
      return d;
  }
  return std::nullopt;
}

std::optional<FirstDifference> Compare(const Json& a, const Json& b, const std::string& path) {
  if (a.is_number() && b.is_number()) {
    if (SameNumber(a, b)) return std::nullopt;
  } else if (a.is_array() && b.is_array()) {
    return CompareArrays(a, b, path);
  } else if (a.is_object() && b.is_object()) {
    return CompareObjects(a, b, path, {});
  } else if (a.type() == b.type() && a == b) {
    return std::nullopt;
  }
  return FirstDifference{path, Summary(a), Summary(b)};
}

}  // namespace

std::optional<FirstDifference> FindFirstDifference(const Json& reference, const Json& candidate) {
  if (reference.is_object() && candidate.is_object())
    return CompareObjects(reference, candidate, "", kTopOrder);
  return Compare(reference, candidate, "(document)");
}

std::string Describe(const FirstDifference& difference) {
  std::string text = difference.path + ": reference " + difference.reference + ", candidate " +
                     difference.candidate;
  const std::optional<double> a = ParseFiniteReal(difference.reference);
  const std::optional<double> b = ParseFiniteReal(difference.candidate);
  if (a && b && std::signbit(*a) == std::signbit(*b)) {
    // Of one sign, the bit patterns count the representable doubles in between.
    const auto bitsA = std::bit_cast<std::int64_t>(std::fabs(*a));
    const auto bitsB = std::bit_cast<std::int64_t>(std::fabs(*b));
    text += " (" + std::to_string(bitsA > bitsB ? bitsA - bitsB : bitsB - bitsA) + " ulp apart)";
  }
  return text;
}

}  // namespace tovan::cli_test
