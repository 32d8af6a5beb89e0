#include "document/engine_json_values.h"

namespace tovan {

void WriteValues(JsonWriter& json, const Vector& v) {
  json.BeginArray();
  for (int i = 0; i < v.length(); ++i) json.Number(v[i]);
  json.EndArray();
}

void WriteValues(JsonWriter& json, const IntVector& v) {
  json.BeginArray();
  for (int i = 0; i < v.length(); ++i) json.Integer(v[i]);
  json.EndArray();
}

void WriteValues(JsonWriter& json, const ComplexVector& v) {
  json.BeginArray();
  for (int i = 0; i < v.length(); ++i) {
    json.BeginArray();
    json.Number(v[i].re);
    json.Number(v[i].im);
    json.EndArray();
  }
  json.EndArray();
}

void WriteColumns(JsonWriter& json, const Matrix& m) {
  json.BeginArray();
  for (int c = 0; c < m.cols(); ++c) {
    json.BeginArray();
    for (int r = 0; r < m.rows(); ++r) {
      if (c < m[r].size())
        json.Number(m[r][c]);
      else
        json.Null();  // a ragged row has no element here
    }
    json.EndArray();
  }
  json.EndArray();
}

void WriteSampleTable(JsonWriter& json, const SampleTable& table) {
  json.BeginObject();
  json.Key("abscissae");
  WriteValues(json, table.abscissae);
  json.Key("ordinates");
  WriteValues(json, table.ordinates);
  json.EndObject();
}

void WriteCoefficients(JsonWriter& json, const RationalFunction& f) {
  const RationalFunction copy = f;
  json.BeginObject();
  json.Key("numeratorCoefficients");
  WriteValues(json, copy.NumeratorCoefficients());
  json.Key("denominatorCoefficients");
  WriteValues(json, copy.DenominatorCoefficients());
  json.EndObject();
}

}  // namespace tovan
