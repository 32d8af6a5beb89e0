#pragma once

#include <array>
#include <span>

#include "document/json_writer.h"
#include "measure/engine_eye.h"

namespace tovan {

// The figures the documents carry, eyeHeight through undershoot, in the order of
// kEyeMetricFields; the average-edge figures after them appear in the table only.
std::span<const EyeMetricField> DocumentedEyeFields();

// {"eyeHeight": ..., ..., "undershoot": ...}; NaN as null.
void WriteEyeMetrics(JsonWriter& json, const EyeMetrics& metrics);
// {"input": {...}, "output": {...}, "difference": {...}}.
void WriteEyeComparison(JsonWriter& json, const EyeComparison& eye);
// {KEY0: first, KEY1: second, KEY2: third}, each as WriteEyeMetrics writes it.
void WriteEyeTriple(JsonWriter& json, const std::array<const char*, 3>& keys,
                    const EyeMetrics& first, const EyeMetrics& second, const EyeMetrics& third);

}  // namespace tovan
