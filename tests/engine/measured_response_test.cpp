// A measured response in the engine: the model's own filter read back from a file,
// and a flat response cascaded in front of the model.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/scope_preset_table.h"
#include "engine/model_filter_s2p.h"
#include "engine/signal_engine.h"
#include "response/response_file.h"

namespace tovan {
namespace {

using testing_support::ModelFilterAsS2p;

double LargestDifference(const Matrix& a, const Matrix& b) {
  double largest = 0.0;
  for (int r = 0; r < a.rows(); ++r)
    for (int c = 0; c < a.cols(); ++c) largest = std::max(largest, std::abs(a[r][c] - b[r][c]));
  return largest;
}

TEST(MeasuredResponse, ThePresetFilterReadBackGivesTheModelledTraces) {
  SignalEngine modelled;
  ApplyScopePreset(modelled, 0);
  ReadResult<ResponseTable> table = ReadResponseText(ModelFilterAsS2p(modelled), "preset0.s2p");
  ASSERT_TRUE(table.value) << ErrorMessage(table.error);
  SignalEngine measured;
  ApplyScopePreset(measured, 0);
  measured.responseTable.Write(*table.value);
  constexpr double kVolt = 1.0;
  constexpr double kMillivolt = 0.001 * kVolt;
  EXPECT_LT(LargestDifference(measured.OutputTraces(), modelled.OutputTraces()), kMillivolt);
  EXPECT_FALSE(measured.Failed());
}

TEST(MeasuredResponse, AFlatResponseInCascadeLeavesTheModel) {
  ResponseTable flat;
  flat.frequencies = {0.0, 100.0};
  flat.values = {Complex{1.0, 0.0}, Complex{1.0, 0.0}};
  SignalEngine modelled;
  ApplyScopePreset(modelled, 3);
  SignalEngine cascaded;
  ApplyScopePreset(cascaded, 3);
  cascaded.responseTable.Write(flat);
  cascaded.responseMode.Write(ResponseMode::kCascade);
  EXPECT_LT(LargestDifference(cascaded.OutputTraces(), modelled.OutputTraces()), 1e-12);
  // In replace mode the flat file is all the scope filter there is: the rolloff no
  // longer matters (the bandwidth still places the group-delay curve).
  cascaded.responseMode.Write(ResponseMode::kReplace);
  const Matrix replaced = cascaded.OutputTraces();
  cascaded.rolloff.Write(60.0);
  EXPECT_EQ(LargestDifference(cascaded.OutputTraces(), replaced), 0.0);
}

}  // namespace
}  // namespace tovan
