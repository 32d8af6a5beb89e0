#pragma once

#include "document/json_writer.h"
#include "numeric/complex_vector.h"
#include "numeric/int_vector.h"
#include "numeric/row_matrix.h"
#include "numeric/vector.h"
#include "transfer/rational_function.h"
#include "transfer/sample_table.h"

namespace tovan {

// The engine's containers as JSON values. Every element is written; nothing is
// rounded or reordered.

// [v0, v1, ...].
void WriteValues(JsonWriter& json, const Vector& v);
void WriteValues(JsonWriter& json, const IntVector& v);
// [[re, im], ...].
void WriteValues(JsonWriter& json, const ComplexVector& v);
// The list of columns, each column top to bottom: [[m[0][0], m[1][0], ...], ...].
void WriteColumns(JsonWriter& json, const Matrix& m);
// {"abscissae": [...], "ordinates": [...]}.
void WriteSampleTable(JsonWriter& json, const SampleTable& table);
// {"numeratorCoefficients": [...], "denominatorCoefficients": [...]}, ascending powers.
// A missing coefficient form is derived on a copy, so f itself is left as it was.
void WriteCoefficients(JsonWriter& json, const RationalFunction& f);

}  // namespace tovan
