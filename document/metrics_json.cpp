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
  WriteEyeTriple(json, {"input", "output", "difference"}, eye.input, eye.output, eye.difference);
}

void WriteEyeTriple(JsonWriter& json, const std::array<const char*, 3>& keys,
                    const EyeMetrics& first, const EyeMetrics& second, const EyeMetrics& third) {
  json.BeginObject();
  json.Key(keys[0]);
  WriteEyeMetrics(json, first);
  json.Key(keys[1]);
  WriteEyeMetrics(json, second);
  json.Key(keys[2]);
  WriteEyeMetrics(json, third);
  json.EndObject();
}

}  // namespace tovan
