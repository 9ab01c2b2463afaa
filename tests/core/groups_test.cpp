// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Chains of stones: founding, joining, merging and slot reuse.
#include <gtest/gtest.h>

#include "computer/groups.h"
#include "game_fixture.h"

namespace vorn::testing {
namespace {

class GroupsTest : public GameTest {
 protected:
  // Adds a stone to the side's groups the way a real move does.
  void Add(Integer cell, Integer side) {
    AddToGroups(cell, side);
    CellOwner[cell] = side;
  }
  // Lays a stone straight into a given slot, for positions play cannot reach.
  void Lay(Integer cell, Integer side, Integer slot) {
    CellOwner[cell] = side;
    Groups[side][slot] += CellCode(cell) + ",";
    CellGroup[cell] = slot;
    if (GroupCount[side] < slot) GroupCount[side] = slot;
  }
};

TEST_F(GroupsTest, IsolatedStonesFoundSlotsOneAndTwo) {
  Add(13, 0);
  EXPECT_EQ(Groups[0][1], "013,");
  EXPECT_EQ(CellGroup[13], 1);
  EXPECT_EQ(GroupCount[0], 1);
  Add(50, 0);
  EXPECT_EQ(Groups[0][2], "050,");
  EXPECT_EQ(CellGroup[50], 2);
  EXPECT_EQ(GroupCount[0], 2);
  EXPECT_EQ(GroupCount[1], 0);
}

TEST_F(GroupsTest, AStoneNextToAGroupIsAppendedOnceEvenThroughTwoNeighbours) {
  Add(13, 0);
  Add(14, 0);  // right of 13
  EXPECT_EQ(Groups[0][1], "013,014,");
  // Cell 25 touches 13 (up-left) and 14 (up-right), both in slot 1.
  Add(25, 0);
  EXPECT_EQ(Groups[0][1], "013,014,025,");
  EXPECT_EQ(CellGroup[25], 1);
  EXPECT_EQ(GroupCount[0], 1);
}

TEST_F(GroupsTest, TwoGroupMergeKeepsTheLaterGroupAndFreesTheEarlierSlot) {
  const Integer stone = CellAt(5, 5);
  Add(stone - 12, 0);  // up-left: slot 1
  Add(stone + 1, 0);   // right: slot 2
  Add(stone, 0);
  EXPECT_EQ(Groups[0][2], ListOf({stone + 1, stone - 12, stone}));
  EXPECT_EQ(Groups[0][1], "");
  for (Integer cell : {Integer(stone - 12), Integer(stone + 1), stone}) EXPECT_EQ(CellGroup[cell], 2);
  EXPECT_EQ(GroupCount[0], 2);
  // The next isolated stone reuses slot 1 and the count stays.
  Add(CellAt(9, 9), 0);
  EXPECT_EQ(Groups[0][1], ListOf({CellAt(9, 9)}));
  EXPECT_EQ(CellGroup[CellAt(9, 9)], 1);
  EXPECT_EQ(GroupCount[0], 2);
}

TEST_F(GroupsTest, ThreeGroupMergeCollectsEverythingInTheLastGroupMet) {
  // Up-left in slot 3, down-right in slot 1, left in slot 2. Up-left and left touch each
  // other, so play never builds this; the tables are laid out directly.
  const Integer stone = CellAt(5, 5);
  Lay(stone + 12, 0, 1);  // down-right
  Lay(stone - 1, 0, 2);   // left
  Lay(stone - 12, 0, 3);  // up-left
  Lay(CellAt(1, 1), 0, 2);
  Add(stone, 0);
  EXPECT_EQ(Groups[0][2], ListOf({stone - 1, CellAt(1, 1), stone + 12, stone - 12, stone}));
  EXPECT_EQ(Groups[0][1], "");
  EXPECT_EQ(Groups[0][3], "");
  EXPECT_EQ(GroupCount[0], 3);
  for (Integer cell : {Integer(stone - 1), CellAt(1, 1), Integer(stone + 12), Integer(stone - 12), stone}) {
    EXPECT_EQ(CellGroup[cell], 2) << cell;
  }
}

TEST_F(GroupsTest, ThreeGroupMergeThatPlayCanReach) {
  // Up-left (slot 1), down-left (slot 2) and right (slot 3) do not touch one another.
  const Integer stone = CellAt(5, 5);
  Add(stone - 12, 0);
  Add(stone + 11, 0);
  Add(stone + 1, 0);
  Add(stone, 0);
  EXPECT_EQ(Groups[0][3], ListOf({stone + 1, stone + 11, stone - 12, stone}));
  EXPECT_EQ(Groups[0][1], "");
  EXPECT_EQ(Groups[0][2], "");
  EXPECT_EQ(GroupCount[0], 3);
  // Free slots are reused lowest first.
  Add(CellAt(10, 1), 0);
  EXPECT_EQ(CellGroup[CellAt(10, 1)], 1);
  Add(CellAt(10, 10), 0);
  EXPECT_EQ(CellGroup[CellAt(10, 10)], 2);
  Add(CellAt(1, 11), 0);
  EXPECT_EQ(CellGroup[CellAt(1, 11)], 4);
  EXPECT_EQ(GroupCount[0], 4);
}

TEST_F(GroupsTest, OtherSideAndEmptyNeighboursAreIgnored) {
  Add(13, 1);
  Add(14, 0);
  EXPECT_EQ(Groups[0][1], "014,");
  EXPECT_EQ(Groups[1][1], "013,");
  EXPECT_EQ(CellGroup[13], 1);
  EXPECT_EQ(CellGroup[14], 1);
  // A corner stone has off-board neighbours: they are skipped.
  Add(11, 1);
  Add(121, 1);
  EXPECT_EQ(GroupCount[1], 3);
}

TEST_F(GroupsTest, TryingAStoneOfTheSideNotToMoveMergesThatSide) {
  Add(13, 1);
  Add(15, 1);
  SideToMove = 0;
  AddToGroups(14, 1);
  EXPECT_EQ(Groups[1][2], "015,013,014,");
  EXPECT_EQ(Groups[1][1], "");
  EXPECT_EQ(CellGroup[13], 2);
}

}  // namespace
}  // namespace vorn::testing
