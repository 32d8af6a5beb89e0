#include "engine/input_cell.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tovan {
namespace {

TEST(CachedNodeTest, IsStaleFromBirthAndCurrentAfterRefresh) {
  CachedNode node;
  EXPECT_TRUE(node.IsStale());
  EXPECT_FALSE(node.ready);
  node.Refresh();
  EXPECT_TRUE(node.IsCurrent());
  node.Stamp();
  EXPECT_TRUE(node.IsStale());
}

TEST(CachedNodeTest, StampsStrictlyIncrease) {
  const std::uint32_t before = generationCounter;
  CachedNode node;
  EXPECT_EQ(node.validStamp, before + 1);
  EXPECT_EQ(node.dirtyStamp, before + 2);
  node.Refresh();
  EXPECT_EQ(node.validStamp, before + 3);
}

TEST(InputCellTest, ConstructionStampsTheOwner) {
  CachedNode owner;
  owner.Refresh();
  InputCell<int> cell(5, &owner);
  EXPECT_TRUE(owner.IsStale());
  EXPECT_EQ(cell.initial, 5);
  EXPECT_EQ(cell.value, 5);
  EXPECT_FALSE(cell.flag);
}

TEST(InputCellTest, WritingAnEqualValueStampsNothing) {
  CachedNode owner;
  InputCell<double> cell(0.5, &owner);
  owner.Refresh();
  cell.flag = true;
  cell.Write(0.5);
  EXPECT_TRUE(owner.IsCurrent());
  EXPECT_FALSE(cell.flag);
}

TEST(InputCellTest, WritingADifferentValueStampsTheOwnerOnly) {
  CachedNode owner, bystander;
  InputCell<bool> cell(false, &owner);
  owner.Refresh();
  bystander.Refresh();
  cell.Write(true);
  EXPECT_TRUE(owner.IsStale());
  EXPECT_TRUE(bystander.IsCurrent());
  EXPECT_TRUE(cell.value);
}

TEST(InputCellTest, NaNAlwaysCountsAsAChange) {
  CachedNode owner;
  InputCell<double> cell(std::nan(""), &owner);
  owner.Refresh();
  cell.Write(std::nan(""));
  EXPECT_TRUE(owner.IsStale());
}

TEST(InputCellTest, ACellWithoutOwnerCanBeWritten) {
  InputCell<int> cell(1, nullptr);
  cell.Write(2);
  EXPECT_EQ(cell.value, 2);
}

}  // namespace
}  // namespace tovan
