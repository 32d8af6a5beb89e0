#include "engine_json_expectations.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>
#include <utility>

namespace tovan::cli_test {

namespace {

using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

AssertionResult SizeMismatch(const nlohmann::json& j, int expected) {
  if (!j.is_array()) return AssertionFailure() << "not an array: " << j.dump().substr(0, 80);
  return AssertionFailure() << "length " << j.size() << ", expected " << expected;
}

AssertionResult At(AssertionResult result, int i) {
  if (!result) return AssertionFailure() << "[" << i << "] " << result.message();
  return result;
}

}  // namespace

AssertionResult SameNumber(const nlohmann::json& j, double x) {
  if (!std::isfinite(x)) {
    if (j.is_null()) return AssertionSuccess();
    return AssertionFailure() << "expected null for " << x << ", got " << j.dump();
  }
  if (j.is_number_float() &&
      std::bit_cast<std::uint64_t>(j.get<double>()) == std::bit_cast<std::uint64_t>(x))
    return AssertionSuccess();
  char expected[32];
  std::snprintf(expected, sizeof expected, "%.17g", x);
  return AssertionFailure() << "got " << j.dump() << ", expected " << expected;
}

AssertionResult SameValues(const nlohmann::json& j, const Vector& v) {
  if (!j.is_array() || static_cast<int>(j.size()) != v.length()) return SizeMismatch(j, v.length());
  for (int i = 0; i < v.length(); ++i)
    if (AssertionResult r = At(SameNumber(j[i], v[i]), i); !r) return r;
  return AssertionSuccess();
}

AssertionResult SameValues(const nlohmann::json& j, const IntVector& v) {
  if (!j.is_array() || static_cast<int>(j.size()) != v.length()) return SizeMismatch(j, v.length());
  for (int i = 0; i < v.length(); ++i)
    if (!j[i].is_number_integer() || j[i].get<int>() != v[i])
      return AssertionFailure() << "[" << i << "] got " << j[i].dump() << ", expected " << v[i];
  return AssertionSuccess();
}

AssertionResult SameValues(const nlohmann::json& j, const ComplexVector& v) {
  if (!j.is_array() || static_cast<int>(j.size()) != v.length()) return SizeMismatch(j, v.length());
  for (int i = 0; i < v.length(); ++i) {
    if (!j[i].is_array() || j[i].size() != 2) return At(SizeMismatch(j[i], 2), i);
    if (AssertionResult r = At(SameNumber(j[i][0], v[i].re), i); !r) return r;
    if (AssertionResult r = At(SameNumber(j[i][1], v[i].im), i); !r) return r;
  }
  return AssertionSuccess();
}

AssertionResult SameColumns(const nlohmann::json& j, const Matrix& m) {
  if (!j.is_array() || static_cast<int>(j.size()) != m.cols()) return SizeMismatch(j, m.cols());
  for (int c = 0; c < m.cols(); ++c) {
    const nlohmann::json& column = j[c];
    if (!column.is_array() || static_cast<int>(column.size()) != m.rows())
      return At(SizeMismatch(column, m.rows()), c);
    for (int r = 0; r < m.rows(); ++r)
      if (AssertionResult result = At(At(SameNumber(column[r], m[r][c]), r), c); !result)
        return result;
  }
  return AssertionSuccess();
}

AssertionResult SameTable(const nlohmann::json& j, const SampleTable& table) {
  if (!j.is_object() || j.size() != 2 || !j.contains("abscissae") || !j.contains("ordinates"))
    return AssertionFailure() << "not {abscissae, ordinates}: " << j.dump().substr(0, 80);
  if (AssertionResult r = SameValues(j["abscissae"], table.abscissae); !r)
    return AssertionFailure() << "abscissae" << r.message();
  if (AssertionResult r = SameValues(j["ordinates"], table.ordinates); !r)
    return AssertionFailure() << "ordinates" << r.message();
  return AssertionSuccess();
}

AssertionResult SameCoefficients(const nlohmann::json& j, const RationalFunction& f) {
  if (!j.is_object() || j.size() != 2 || !j.contains("numeratorCoefficients") ||
      !j.contains("denominatorCoefficients"))
    return AssertionFailure() << "not a coefficient pair: " << j.dump().substr(0, 80);
  const RationalFunction copy = f;  // the getters may derive a form; leave f as it was
  if (AssertionResult r = SameValues(j["numeratorCoefficients"], copy.NumeratorCoefficients()); !r)
    return AssertionFailure() << "numerator" << r.message();
  if (AssertionResult r = SameValues(j["denominatorCoefficients"], copy.DenominatorCoefficients());
      !r)
    return AssertionFailure() << "denominator" << r.message();
  return AssertionSuccess();
}

AssertionResult SameEyeMetrics(const nlohmann::json& j, const EyeMetrics& m) {
  // The keys the documents promise, spelled out here rather than taken from the code.
  const std::pair<const char*, double> expected[] = {
      {"eyeHeight", m.eyeHeight},  {"eyeHeightBest", m.eyeHeightBest}, {"bestPhase", m.bestPhase},
      {"eyeWidth", m.eyeWidth},    {"eyeWidthUi", m.eyeWidthUi},       {"jitterPp", m.jitterPp},
      {"jitterRms", m.jitterRms},  {"rise1090", m.rise1090},           {"fall1090", m.fall1090},
      {"rise2080", m.rise2080},    {"fall2080", m.fall2080},           {"overshoot", m.overshoot},
      {"undershoot", m.undershoot}};
  if (!j.is_object() || j.size() != std::size(expected))
    return AssertionFailure() << "not an object of 13 figures: " << j.dump().substr(0, 120);
  for (const auto& [key, value] : expected) {
    if (!j.contains(key)) return AssertionFailure() << "no " << key;
    if (AssertionResult r = SameNumber(j[key], value); !r)
      return AssertionFailure() << key << ": " << r.message();
  }
  return AssertionSuccess();
}

AssertionResult SameEyeComparison(const nlohmann::json& j, const EyeComparison& eye) {
  if (!j.is_object() || j.size() != 3)
    return AssertionFailure() << "not {input, output, difference}: " << j.dump().substr(0, 120);
  const std::pair<const char*, const EyeMetrics*> sides[] = {
      {"input", &eye.input}, {"output", &eye.output}, {"difference", &eye.difference}};
  for (const auto& [side, metrics] : sides) {
    if (!j.contains(side)) return AssertionFailure() << "no " << side;
    if (AssertionResult r = SameEyeMetrics(j[side], *metrics); !r)
      return AssertionFailure() << side << "." << r.message();
  }
  return AssertionSuccess();
}

std::vector<std::string> Keys(const nlohmann::ordered_json& object) {
  std::vector<std::string> keys;
  for (const auto& item : object.items()) keys.push_back(item.key());
  return keys;
}

}  // namespace tovan::cli_test
