// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Win detection, the announcement and the fresh board that follows it; turn switching.
#include <gtest/gtest.h>

#include "computer/groups.h"
#include "computer/stone_placement.h"
#include "game_fixture.h"
#include "play/game_commands.h"
#include "play/turns.h"
#include "play/wins.h"

namespace vorn::testing {
namespace {

class WinsTest : public GameTest {
 protected:
  void Place(std::initializer_list<int> cells, Integer side) {
    for (int cell : cells) PlaceStone(static_cast<Integer>(cell), side);
  }
  Integer Check(Integer side, Integer* group = nullptr) {
    Integer result = 0;
    Integer found = 0;
    CheckWin(result, side, found);
    if (group != nullptr) *group = found;
    return result;
  }
};

TEST_F(WinsTest, AGreenRowFromLeftToRightWinsAtItsLastStone) {
  Board(5, true);
  Place({11, 12, 13, 14}, 0);
  EXPECT_NE(Check(0), kWon);
  Place({15}, 0);
  Integer group = 0;
  EXPECT_EQ(Check(0, &group), kWon);
  EXPECT_EQ(group, 1);
  EXPECT_NE(Check(1), kWon);
}

TEST_F(WinsTest, AGroupTouchingOneEdgeIsNoWinHoweverLong) {
  Board(5, true);
  Place({1, 6, 11, 16, 21}, 0);  // the whole left column: RED's edges, not GREEN's two
  EXPECT_NE(Check(0), kWon);
  Place({2, 3, 4}, 1);
  EXPECT_NE(Check(1), kWon);
}

TEST_F(WinsTest, ARedColumnFromTopToBottomWins) {
  Board(5, true);
  Place({3, 8, 13, 18}, 1);
  EXPECT_NE(Check(1), kWon);
  Place({23}, 1);
  EXPECT_EQ(Check(1), kWon);
  EXPECT_NE(Check(0), kWon);
}

TEST_F(WinsTest, AMergedChainIsFoundUnderItsOwnSlotAndEmptiedSlotsAreSkipped) {
  Board(5, true);
  Place({11, 12}, 0);  // slot 1
  Place({14, 15}, 0);  // slot 2
  Place({3}, 0);       // slot 3, elsewhere
  Place({13}, 0);      // joins slot 1, then slot 2 absorbs everything
  EXPECT_EQ(Groups[0][1], "");
  Integer group = 0;
  EXPECT_EQ(Check(0, &group), kWon);
  EXPECT_EQ(group, 2);
}

TEST_F(WinsTest, TheWinningSlotIsReportedPastSlotsThatDoNotWin) {
  Board(5, true);
  Place({1}, 0);
  Place({21, 22, 23, 24, 25}, 0);
  Integer group = 0;
  EXPECT_EQ(Check(0, &group), kWon);
  EXPECT_EQ(group, 2);
}

TEST_F(WinsTest, ShortBoardsKeepTheSameEdges) {
  Board(5, false);  // 4 rows
  Place({16, 17, 18, 19, 20}, 0);
  EXPECT_EQ(Check(0), kWon);
  Board(5, false);
  Place({2, 7, 12, 17}, 1);
  EXPECT_EQ(Check(1), kWon);
}

TEST_F(WinsTest, AnnouncingAWinHatchesTheChainAndHandsGreenAFreshBoard) {
  Board(6, false);
  GameStarted = Yes;
  window.SetMenuEnabled(MenuItem::Sizex, false);
  window.SetMenuEnabled(MenuItem::Presetx, false);
  Place({7, 8, 9, 10, 11, 12}, 0);
  Place({1}, 1);
  SideToMove = 1;
  window.SetIndicatorColor(0, window.BackColor());
  window.SetIndicatorColor(1, PlayerColor[1]);
  const std::size_t drawnBefore = window.Polygons().size();
  std::vector<DrawnPolygon> hatched;
  bool disabledWhileShown = false;
  window.onMessage = [&](const std::string&) {
    hatched.assign(window.Polygons().begin() + drawnBefore, window.Polygons().end());
    disabledWhileShown = !window.Enabled();
  };
  Integer group = 0;
  ASSERT_EQ(Check(0, &group), kWon);
  AnnounceWin(0, group);

  ASSERT_EQ(window.Messages().size(), 1u);
  EXPECT_EQ(window.Messages().back(), "GREEN WON - click here to continue");
  EXPECT_EQ(WinMessage, "GREEN WON - click here to continue");
  EXPECT_TRUE(disabledWhileShown);
  ASSERT_EQ(hatched.size(), 6u);
  for (const DrawnPolygon& polygon : hatched) {
    EXPECT_EQ(polygon.fillColor, 0x000000u);
    EXPECT_EQ(polygon.fillStyle, kFillDiagonalCross);
  }
  // An empty board of the same size and shape, GREEN to move and lit, window enabled.
  EXPECT_EQ(CellCount, 30);
  EXPECT_EQ(BoardSize, 6);
  EXPECT_EQ(SquareBoard, No);
  for (Integer cell = 1; cell <= CellCount; ++cell) EXPECT_EQ(CellOwner[cell], -1);
  EXPECT_EQ(GroupCount[0], 0);
  EXPECT_EQ(window.Polygons().size(), 30u);  // the window was cleared first
  EXPECT_EQ(window.Polygons().back().fillColor, 0xC0C0C0u);
  EXPECT_EQ(FillStyle, kFillSolid);
  EXPECT_EQ(SideToMove, 0);
  EXPECT_EQ(window.IndicatorColor(0), PlayerColor[0]);
  EXPECT_EQ(window.IndicatorColor(1), window.BackColor());
  EXPECT_TRUE(window.Enabled());
  EXPECT_EQ(GameStarted, No);
  EXPECT_TRUE(window.MenuEnabled(MenuItem::Sizex));
  EXPECT_TRUE(window.MenuEnabled(MenuItem::Presetx));
  EXPECT_FALSE(window.MenuEnabled(MenuItem::StartPreset));
}

TEST_F(WinsTest, RedsWinMessage) {
  Board(5, true);
  Place({3, 8, 13, 18, 23}, 1);
  Integer group = 0;
  ASSERT_EQ(Check(1, &group), kWon);
  AnnounceWin(1, group);
  EXPECT_EQ(window.Messages().back(), "RED WON - click here to continue");
}

TEST_F(WinsTest, SwitchingTurnsMovesTheIndicatorAndTheWindowsInput) {
  SideToMove = 0;
  SwitchTurn();
  EXPECT_EQ(SideToMove, 1);
  EXPECT_EQ(window.IndicatorColor(0), window.BackColor());
  EXPECT_EQ(window.IndicatorColor(1), PlayerColor[1]);
  EXPECT_FALSE(window.Enabled());
  SwitchTurn();
  EXPECT_EQ(SideToMove, 0);
  EXPECT_EQ(window.IndicatorColor(0), PlayerColor[0]);
  EXPECT_EQ(window.IndicatorColor(1), window.BackColor());
  EXPECT_TRUE(window.Enabled());
}

}  // namespace
}  // namespace vorn::testing
