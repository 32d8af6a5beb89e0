#include <gtest/gtest.h>

#include "engine/property_comparison.h"
#include "engine/property_grid.h"
#include "engine/signal_engine.h"

// The smallest reproductions of faults the randomised walks have found.
namespace tovan::property {
namespace {

// A power-law fit ran for the earlier delay; going back to no delay must not leave
// its iteration count behind in the diagnostics.
TEST(PropertyRegressionTest, GroupDelayBackToZeroForgetsTheEarlierFit) {
  SignalEngine engine;
  engine.groupDelay.Write(0.1);
  ASSERT_GT(engine.Diagnostics().powerLawIterations, 0);
  engine.groupDelay.Write(0.0);
  EXPECT_FALSE(engine.Diagnostics().powerLawFitted);
  EXPECT_EQ(engine.Diagnostics().powerLawIterations, 0);
  SignalEngine fresh;
  EngineParameters::Of(engine).WriteInto(fresh);
  EXPECT_TRUE(SameResults(engine, fresh));
}

}  // namespace
}  // namespace tovan::property
