#include "document/metrics_json.h"

#include <string_view>

namespace tovan {

namespace {

constexpr int kDocumentedFieldCount = 13;
static_assert(std::string_view(kEyeMetricFields[kDocumentedFieldCount - 1].key) == "undershoot");

}  // namespace

std::span<const EyeMetricField> DocumentedEyeFields() {
  return std::span(kEyeMetricFields).first(kDocumentedFieldCount);
}

void WriteEyeMetrics(JsonWriter& json, const EyeMetrics& metrics) {
  json.BeginObject();
  for (const EyeMetricField& field : DocumentedEyeFields()) {
    json.Key(field.key);
    json.Number(metrics.*field.member);
  }
  json.EndObject();
}

void WriteEyeComparison(JsonWriter& json, const EyeComparison& eye) {
  json.BeginObject();
  json.Key("input");
  WriteEyeMetrics(json, eye.input);
  json.Key("output");
  WriteEyeMetrics(json, eye.output);
  json.Key("difference");
  WriteEyeMetrics(json, eye.difference);
  json.EndObject();
}

}  // namespace tovan
