#include "transfer/prbs_generator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

namespace tovan {
namespace {

PaddedIntVector Taps(std::initializer_list<int> values) {
  PaddedIntVector taps(static_cast<int>(values.size()));
  int k = 0;
  for (int v : values) taps[k++] = v;
  return taps;
}

std::vector<int> Bits(const IntVector& v) {
  std::vector<int> bits;
  for (int k = 0; k < v.length(); ++k) bits.push_back(v[k]);
  return bits;
}

PrbsGenerator EngineGenerator() { return PrbsGenerator(Taps({1, 1, 0, 0, 0, 0, 0, 1}), 0.6, -0.6); }

TEST(PrbsGeneratorTest, EngineTapsGiveTheDocumentedPattern) {
  PrbsGenerator generator = EngineGenerator();
  ASSERT_TRUE(generator.IsValid());
  const std::vector<int> bits = Bits(generator.Sequence());
  ASSERT_EQ(bits.size(), 128u);
  int ones = 0;
  for (int b : bits) ones += b;
  EXPECT_EQ(ones, 58);
  const std::vector<int> first16 = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0};
  EXPECT_EQ(std::vector<int>(bits.begin(), bits.begin() + 16), first16);
}

TEST(PrbsGeneratorTest, EngineTapsFollowTheTwoTermRecurrence) {
  // Seed of seven ones, bit i = bit(i-7) XOR bit(i-6), then the seed inverted.
  std::vector<int> want(128, 0);
  for (int i = 0; i < 7; ++i) want[i] = 1;
  for (int i = 7; i < 128; ++i) want[i] = want[i - 7] ^ want[i - 6];
  for (int i = 0; i < 7; ++i) want[i] = 0;
  PrbsGenerator generator = EngineGenerator();
  EXPECT_EQ(Bits(generator.Sequence()), want);
}

TEST(PrbsGeneratorTest, EngineTapsAreMaximalLength) {
  // With the seed ones restored, the 127 cyclic windows of seven bits over bits 0 ... 126
  // are the 127 distinct non-zero states, and bit 127 starts the period again.
  PrbsGenerator generator = EngineGenerator();
  std::vector<int> raw = Bits(generator.Sequence());
  ASSERT_EQ(raw.size(), 128u);
  for (int i = 0; i < 7; ++i) raw[i] = 1;
  EXPECT_EQ(raw[127], raw[0]);
  std::vector<bool> seen(128, false);
  for (int i = 0; i < 127; ++i) {
    int state = 0;
    for (int k = 0; k < 7; ++k) state = 2 * state + raw[(i + k) % 127];
    EXPECT_NE(state, 0) << i;
    EXPECT_FALSE(seen[state]) << i;
    seen[state] = true;
  }
}

TEST(PrbsGeneratorTest, SmallTapSets) {
  struct Case {
    std::vector<int> taps;
    bool valid;
    std::vector<int> sequence;
  };
  const Case cases[] = {
      {{1, 1, 1}, true, {0, 0, 0, 1}},
      {{1, 0, 1, 0, 0}, true, {0, 0, 1, 1}},  // trimmed to [1, 0, 1]
      {{0, 1}, true, {0, 0}},                 // bit i = bit i itself, still 0
      {{1, 2, 1}, false, {}},
      {{1, 1, 0, 2}, false, {}},  // a 2 after a valid 1 still invalidates
      {{1}, false, {}},
      {{0, 0, 0, 0}, false, {}},
      {{}, false, {}},
      {{1, -1, 1}, false, {}},
  };
  for (const Case& c : cases) {
    PaddedIntVector taps(static_cast<int>(c.taps.size()));
    for (int k = 0; k < taps.length(); ++k) taps[k] = c.taps[k];
    PrbsGenerator generator(taps, 1.0, 0.0);
    EXPECT_EQ(generator.IsValid(), c.valid) << testing::PrintToString(c.taps);
    EXPECT_EQ(Bits(generator.Sequence()), c.sequence) << testing::PrintToString(c.taps);
  }
}

TEST(PrbsGeneratorTest, PlainIntVectorTapsAreAccepted) {
  IntVector taps(3, 1);
  PrbsGenerator generator(taps, 1, 0);
  EXPECT_EQ(Bits(generator.Sequence()), (std::vector<int>{0, 0, 0, 1}));
}

TEST(PrbsGeneratorTest, InvalidAndDefaultGeneratorsGiveEmptyOutputs) {
  PrbsGenerator invalid(Taps({0, 0, 0}), 1, -1);
  EXPECT_EQ(invalid.Samples(4.0).length(), 0);
  PrbsGenerator none;
  EXPECT_FALSE(none.IsValid());
  EXPECT_EQ(none.Sequence().length(), 0);
  EXPECT_EQ(none.Samples(1.0).length(), 0);
}

TEST(PrbsGeneratorTest, SamplesTakeTheFlooredBitIndex) {
  struct Case {
    double samplesPerBit;
    std::vector<int> bitOfSample;
  };
  // Sequence [0, 0, 0, 1] of taps [1, 1, 1].
  const Case cases[] = {
      {1.0, {0, 1, 2, 3}},
      {2.5, {0, 0, 0, 1, 1, 2, 2, 2, 3, 3}},
      {2.0, {0, 0, 1, 1, 2, 2, 3, 3}},
      {0.5, {0, 2}},
  };
  const std::vector<int> sequence = {0, 0, 0, 1};
  for (const Case& c : cases) {
    PrbsGenerator generator(Taps({1, 1, 1}), 0.75, -0.25);
    const Vector samples = generator.Samples(c.samplesPerBit);
    ASSERT_EQ(samples.length(), static_cast<int>(c.bitOfSample.size())) << c.samplesPerBit;
    for (int i = 0; i < samples.length(); ++i)
      EXPECT_EQ(samples[i], sequence[c.bitOfSample[i]] == 1 ? 0.75 : -0.25) << c.samplesPerBit << " sample " << i;
  }
}

TEST(PrbsGeneratorTest, DegenerateRatesGiveNoSamples) {
  PrbsGenerator generator(Taps({1, 1, 1}), 1, 0);
  EXPECT_EQ(generator.Samples(0.0).length(), 0);
  EXPECT_EQ(generator.Samples(-2.0).length(), 0);
  EXPECT_EQ(generator.Samples(std::nan("")).length(), 0);
  EXPECT_EQ(generator.Samples(0.1).length(), 0);  // floor(0.4) samples
}

}  // namespace
}  // namespace tovan
