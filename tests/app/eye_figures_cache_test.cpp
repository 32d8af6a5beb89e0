#include "app/eye_figures_cache.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/signal_engine.h"
#include "measure/eye_metrics.h"

namespace tovan {
namespace {

// Field by field, NaN equal to NaN.
void ExpectSameFigures(const EyeMetrics& a, const EyeMetrics& b) {
  for (const EyeMetricField& field : kEyeMetricFields) {
    const double x = a.*field.member, y = b.*field.member;
    if (std::isnan(x) || std::isnan(y))
      EXPECT_EQ(std::isnan(x), std::isnan(y)) << field.key;
    else
      EXPECT_EQ(x, y) << field.key;
  }
}

TEST(EyeFiguresCacheTest, MeasuresOnceUntilTheTracesAreRecomputed) {
  SignalEngine engine;
  EyeFiguresCache cache;
  EXPECT_TRUE(cache.Update(engine));
  EXPECT_EQ(cache.MeasureCount(), 1);
  for (int tick = 0; tick < 5; ++tick) {
    engine.OutputTraces();  // a frame drawn with nothing changed
    EXPECT_FALSE(cache.Update(engine));
  }
  EXPECT_EQ(cache.MeasureCount(), 1);
}

TEST(EyeFiguresCacheTest, AChangeIsMeasuredOnceSomeoneHasComputedIt) {
  SignalEngine engine;
  EyeFiguresCache cache;
  cache.Update(engine);
  const double before = cache.Figures().output.eyeHeight;
  engine.bandwidth.Write(2.0);
  // Written but not yet drawn: the stamp has not moved.
  EXPECT_FALSE(cache.Update(engine));
  engine.OutputTraces();
  EXPECT_TRUE(cache.Update(engine));
  EXPECT_EQ(cache.MeasureCount(), 2);
  EXPECT_LT(cache.Figures().output.eyeHeight, before) << "a slower scope closes the eye";
}

TEST(EyeFiguresCacheTest, WritingTheSameValueMeasuresNothing) {
  SignalEngine engine;
  EyeFiguresCache cache;
  cache.Update(engine);
  engine.bitrate.Write(engine.bitrate.value);
  engine.OutputTraces();
  EXPECT_FALSE(cache.Update(engine));
}

TEST(EyeFiguresCacheTest, FiguresMatchAFreshEngineWithTheSameSettings) {
  SignalEngine engine;
  EyeFiguresCache cache;
  cache.Update(engine);
  engine.rolloff.Write(140.0);
  engine.show3BitCells.Write(true);
  engine.OutputTraces();
  ASSERT_TRUE(cache.Update(engine));

  SignalEngine fresh;
  fresh.rolloff.Write(140.0);
  fresh.show3BitCells.Write(true);
  const EyeComparison expected = MeasureEngineEye(fresh);
  ExpectSameFigures(cache.Figures().input, expected.input);
  ExpectSameFigures(cache.Figures().output, expected.output);
  ExpectSameFigures(cache.Figures().difference, expected.difference);
}

}  // namespace
}  // namespace tovan
