#pragma once

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "measure/engine_eye.h"
#include "numeric/complex_vector.h"
#include "numeric/int_vector.h"
#include "numeric/row_matrix.h"
#include "numeric/vector.h"
#include "transfer/rational_function.h"
#include "transfer/sample_table.h"

namespace tovan::cli_test {

// Each holds when the JSON value carries exactly the engine's numbers: a finite double as
// a floating-point number with the identical bits, a non-finite one as null. The failure
// names the first element that differs, not all of them.
::testing::AssertionResult SameNumber(const nlohmann::json& j, double x);
::testing::AssertionResult SameValues(const nlohmann::json& j, const Vector& v);
::testing::AssertionResult SameValues(const nlohmann::json& j, const IntVector& v);
::testing::AssertionResult SameValues(const nlohmann::json& j, const ComplexVector& v);
// j is the list of m's columns.
::testing::AssertionResult SameColumns(const nlohmann::json& j, const Matrix& m);
::testing::AssertionResult SameTable(const nlohmann::json& j, const SampleTable& table);
::testing::AssertionResult SameCoefficients(const nlohmann::json& j, const RationalFunction& f);
// j has exactly the thirteen keys of the documents' eye figures (eyeHeight ...
// undershoot), each with the identical number (null for NaN).
::testing::AssertionResult SameEyeMetrics(const nlohmann::json& j, const EyeMetrics& m);
// j is {"input", "output", "difference"}, each as SameEyeMetrics.
::testing::AssertionResult SameEyeComparison(const nlohmann::json& j, const EyeComparison& eye);

// The object's keys in their written order.
std::vector<std::string> Keys(const nlohmann::ordered_json& object);

}  // namespace tovan::cli_test
