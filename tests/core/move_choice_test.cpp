// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer's rating of a position: deciding cells and this turn's bonuses.
#include <gtest/gtest.h>

#include <vector>

#include "computer/move_choice.h"
#include "computer/stone_placement.h"
#include "game_fixture.h"
#include "play/game_commands.h"

namespace vorn::testing {
namespace {

class MoveChoiceTest : public GameTest {
 protected:
  Integer Rate() {
    Integer cell = 0;
    RateCells(cell);
    return cell;
  }
  void Green(std::initializer_list<int> cells) {
    for (int cell : cells) PlaceStone(static_cast<Integer>(cell), 0);
  }
  // Influence of the cells of one column, top to bottom.
  std::vector<int> Column(int column) {
    std::vector<int> values;
    for (int row = 1; row <= BoardSize; ++row) values.push_back(Influence[CellAt(row, column)]);
    return values;
  }
};

TEST_F(MoveChoiceTest, ACellDecidingForBothSidesIsReportedOnce) {
  Board(5, true);
  LayChain(0, 1, {11, 12});
  LayChain(0, 2, {14, 15});
  LayChain(1, 1, {3, 8});
  LayChain(1, 2, {18, 23});
  EXPECT_EQ(Rate(), 13);
  EXPECT_EQ(Influence[13], 999);
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    if (cell != 13) {
      EXPECT_EQ(Influence[cell], 0) << cell;
    }
  }
}

// GREEN completes row 4 at cell 40, RED completes column 3 at cell 25. The two chains would
// have to cross, so the tables are laid out directly (cell 36 stands in both).
TEST_F(MoveChoiceTest, RedsLowerDecidingCellIsReportedBeforeGreensHigherOne) {
  LayChain(0, 1, {34, 35, 36, 37, 38, 39});
  LayChain(0, 2, {41, 42, 43, 44});
  LayChain(1, 1, {3, 14});
  LayChain(1, 2, {36, 47, 58, 69, 80, 91, 102, 113});
  EXPECT_EQ(Rate(), 25);
  EXPECT_EQ(Influence[25], 999);
  EXPECT_EQ(Influence[40], 0);
}

TEST_F(MoveChoiceTest, GreensLowerDecidingCellIsBlockedBeforeRedsOwnWin) {
  LayChain(0, 1, {23, 24});
  LayChain(0, 2, {26, 27, 28, 29, 30, 31, 32, 33});
  LayChain(1, 1, {7, 18, 29});
  LayChain(1, 2, {51, 62, 73, 84, 95, 106, 117});
  EXPECT_EQ(Rate(), 25);
}

TEST_F(MoveChoiceTest, RatingLeavesPositionAndGroupsAsTheyWere) {
  Green({13, 26, 50, 51});
  PlaceStone(60, 1);
  const auto owners = CellOwner;
  const auto groups = Groups;
  const auto cellGroups = CellGroup;
  const auto counts = GroupCount;
  EXPECT_EQ(Rate(), CellCount + 1);
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    EXPECT_EQ(CellOwner[cell], owners[cell]);
    EXPECT_EQ(CellGroup[cell], cellGroups[cell]);
    EXPECT_EQ(Groups[0][cell], groups[0][cell]);
    EXPECT_EQ(Groups[1][cell], groups[1][cell]);
  }
  EXPECT_EQ(GroupCount[0], counts[0]);
  EXPECT_EQ(GroupCount[1], counts[1]);
}

TEST_F(MoveChoiceTest, AChainFromTheLeftEdgeNearTheRightEdgeThreatensColumnTen) {
  // Row 5 from column 1 to column 9; laid out of order so the last two stones are not a line.
  Green({46, 47, 48, 49, 50, 51, 52, 53, 45});
  EXPECT_EQ(Rate(), CellCount + 1);
  // Column 10 cells next to the chain: (5,10) and (6,10); (5,10) is also right of a stone.
  EXPECT_EQ(Column(10), (std::vector<int>{0, 0, 0, 0, 800 + 200, 800, 0, 0, 0, 0, 0}));
}

TEST_F(MoveChoiceTest, AChainFromTheRightEdgeNearTheLeftEdgeThreatensColumnTwo) {
  Green({48, 49, 50, 51, 52, 53, 54, 55, 47});  // row 5, columns 3..11
  EXPECT_EQ(Rate(), CellCount + 1);
  EXPECT_EQ(Column(2), (std::vector<int>{0, 0, 0, 800, 800, 0, 0, 0, 0, 0, 0}));
}

TEST_F(MoveChoiceTest, AChainTouchingNoEdgeThreatensNothing) {
  Green({47, 48, 49, 50, 51, 52, 53, 46});  // row 5, columns 2..9
  EXPECT_EQ(Rate(), CellCount + 1);
  EXPECT_EQ(Column(10), (std::vector<int>{0, 0, 0, 0, 200, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Column(1), (std::vector<int>(11, 0)));
}

TEST_F(MoveChoiceTest, BridgeBetweenInnerChainsIsWorthEightHundred) {
  Green({13, 26});
  EXPECT_EQ(Rate(), CellCount + 1);
  EXPECT_EQ(Influence[25], 800);
  EXPECT_EQ(Influence[14], 800 + 200);  // also right of 13
  EXPECT_EQ(Influence[27], 200);
  EXPECT_EQ(BridgeCount, 2);
}

TEST_F(MoveChoiceTest, BridgeToAChainOnAnEdgeIsWorthOneHundred) {
  Green({12, 25});  // 12 lies in the left column
  EXPECT_EQ(Rate(), CellCount + 1);
  EXPECT_EQ(Influence[24], 100);
  EXPECT_EQ(Influence[13], 100 + 200);
}

TEST_F(MoveChoiceTest, LineThroughGreensLastTwoStonesIsExtended) {
  Green({15, 16});
  EXPECT_EQ(Rate(), CellCount + 1);
  EXPECT_EQ(Influence[17], 300 + 200);
  EXPECT_EQ(Influence[14], 0);
}

TEST_F(MoveChoiceTest, LineLeavingTheBoardGivesNothing) {
  Green({21, 22});  // 22 ends row 2; the next step would wrap to 23
  EXPECT_EQ(Rate(), CellCount + 1);
  EXPECT_EQ(Influence[23], 0);
}

TEST_F(MoveChoiceTest, StonesThatAreNotNeighboursMakeNoLine) {
  Green({15, 17});
  EXPECT_EQ(Rate(), CellCount + 1);
  EXPECT_EQ(Influence[19], 0);
  EXPECT_EQ(Influence[18], 200);
}

TEST_F(MoveChoiceTest, GreensFirstStoneOfANewGameLinesUpWithTheLastOfTheGameBefore) {
  Green({15});
  Restartx_Click();
  Green({16});
  EXPECT_EQ(Rate(), CellCount + 1);
  EXPECT_EQ(Influence[17], 300 + 200);
}

TEST_F(MoveChoiceTest, TheFirstStoneEverHasNoLine) {
  Green({16});
  EXPECT_EQ(Rate(), CellCount + 1);
  EXPECT_EQ(Influence[17], 200);
}

TEST_F(MoveChoiceTest, RightOfAGreenStoneButNeverInTheFirstColumn) {
  Green({11, 60});  // 11 ends row 1: cell 12 starts row 2
  PlaceStone(70, 1);
  EXPECT_EQ(Rate(), CellCount + 1);
  EXPECT_EQ(Influence[12], 0);
  EXPECT_EQ(Influence[61], 200);
  EXPECT_EQ(Influence[71], 0);  // right of a RED stone
  EXPECT_EQ(Influence[62], 0);  // right of an empty cell
}

TEST_F(MoveChoiceTest, ShortBoardsGetNoBonuses) {
  Board(7, false);
  Green({9, 10, 23});
  EXPECT_EQ(Rate(), CellCount + 1);
  for (Integer cell = 1; cell <= CellCount; ++cell) EXPECT_EQ(Influence[cell], 0) << cell;
}

}  // namespace
}  // namespace vorn::testing
