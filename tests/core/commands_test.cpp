// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu commands: new boards of every size and shape, and preset layouts.
#include <gtest/gtest.h>

#include "game_fixture.h"
#include "play/game_commands.h"
#include "play/preset.h"

namespace vorn::testing {
namespace {

class CommandsTest : public GameTest {
 protected:
  void ExpectAwaitingTheFirstMove() {
    EXPECT_EQ(Stones(), 0);
    EXPECT_EQ(SideToMove, 0);
    EXPECT_EQ(GameStarted, No);
    EXPECT_EQ(PresetMode, No);
    EXPECT_TRUE(window.MenuEnabled(MenuItem::Sizex));
    EXPECT_TRUE(window.MenuEnabled(MenuItem::Presetx));
    EXPECT_FALSE(window.MenuEnabled(MenuItem::StartPreset));
  }
};

TEST_F(CommandsTest, DecreaseStopsAtFiveAndIncreaseAtTwentyOne) {
  for (int step = 0; step < 6; ++step) {
    EXPECT_TRUE(window.MenuEnabled(MenuItem::Decreasex));
    Decreasex_Click();
  }
  EXPECT_EQ(BoardSize, 5);
  EXPECT_EQ(CellCount, 25);
  EXPECT_EQ(window.Caption(), "VORN SIZE 5");
  EXPECT_FALSE(window.MenuEnabled(MenuItem::Decreasex));
  Increasex_Click();
  EXPECT_EQ(BoardSize, 6);
  EXPECT_TRUE(window.MenuEnabled(MenuItem::Decreasex));
  EXPECT_TRUE(window.MenuEnabled(MenuItem::Increasex));
  for (int step = 0; step < 15; ++step) Increasex_Click();
  EXPECT_EQ(BoardSize, 21);
  EXPECT_EQ(CellCount, 441);
  EXPECT_EQ(window.Caption(), "VORN SIZE 21");
  EXPECT_FALSE(window.MenuEnabled(MenuItem::Increasex));
  EXPECT_TRUE(window.MenuEnabled(MenuItem::Decreasex));
  ExpectAwaitingTheFirstMove();
}

TEST_F(CommandsTest, TenIncreasesFromStartUpReachTheLargestBoard) {
  for (int step = 0; step < 10; ++step) Increasex_Click();
  EXPECT_EQ(BoardSize, 21);
  EXPECT_FALSE(window.MenuEnabled(MenuItem::Increasex));
}

TEST_F(CommandsTest, SquareTwiceReturnsToACheckedSquareBoardEachTimeANewOne) {
  Click(61);
  Squarex_Click();
  EXPECT_EQ(SquareBoard, No);
  EXPECT_FALSE(window.MenuChecked(MenuItem::Squarex));
  EXPECT_EQ(CellCount, 110);
  ExpectAwaitingTheFirstMove();
  Click(61);
  Squarex_Click();
  EXPECT_EQ(SquareBoard, Yes);
  EXPECT_TRUE(window.MenuChecked(MenuItem::Squarex));
  EXPECT_EQ(CellCount, 121);
  ExpectAwaitingTheFirstMove();
}

TEST_F(CommandsTest, EndCurrentGameKeepsSizeShapeAndCheckMark) {
  Decreasex_Click();
  Squarex_Click();
  Click(12);
  Click(20);
  Restartx_Click();
  EXPECT_EQ(BoardSize, 10);
  EXPECT_EQ(SquareBoard, No);
  EXPECT_FALSE(window.MenuChecked(MenuItem::Squarex));
  EXPECT_EQ(CellCount, 90);
  EXPECT_EQ(window.Polygons().size(), 90u);  // the window was cleared, then redrawn
  ExpectAwaitingTheFirstMove();
  EXPECT_EQ(window.IndicatorColor(0), PlayerColor[0]);
}

TEST_F(CommandsTest, EndCurrentGameDiscardsAPresetLayout) {
  Presetx_Click();
  Click(5);
  Click(6, kRightButton);
  Restartx_Click();
  ExpectAwaitingTheFirstMove();
}

TEST_F(CommandsTest, PresetBoardAsksForTheLayoutAndFencesTheMenus) {
  Presetx_Click();
  EXPECT_EQ(window.Messages().back(), "left-click to set GREEN, right-click for RED");
  EXPECT_EQ(PresetMode, Yes);
  EXPECT_FALSE(window.MenuEnabled(MenuItem::Sizex));
  EXPECT_FALSE(window.MenuEnabled(MenuItem::Presetx));
  EXPECT_TRUE(window.MenuEnabled(MenuItem::StartPreset));
  EXPECT_TRUE(window.MenuEnabled(MenuItem::Restartx));
}

TEST_F(CommandsTest, PresetClicksLayStonesOfBothColoursWithoutReply) {
  Presetx_Click();
  Click(5, kRightButton);
  Click(6, kLeftButton);
  Click(7, kMiddleButton);
  Click(8, kRightButton, 1);  // modifiers play no part
  EXPECT_EQ(window.ShownCount(), window.Polygons().size()) << "every stone is shown at once";
  EXPECT_EQ(CellOwner[5], 1);
  EXPECT_EQ(CellOwner[6], 0);
  EXPECT_EQ(CellOwner[7], 0);
  EXPECT_EQ(CellOwner[8], 1);
  EXPECT_EQ(PlayerMoves[0].size(), 2u);
  EXPECT_EQ(PlayerMoves[1].size(), 2u);
  EXPECT_EQ(GameStarted, No);
  EXPECT_EQ(window.IndicatorColor(0), PlayerColor[0]);
  EXPECT_EQ(window.IndicatorColor(1), window.BackColor());
  EXPECT_EQ(window.Messages().size(), 1u);
}

TEST_F(CommandsTest, APresetClickOnAnOccupiedCellChangesOnlyTheSideToMove) {
  Presetx_Click();
  Click(5, kLeftButton);
  const auto influence = Influence;
  Click(5, kRightButton);
  EXPECT_EQ(CellOwner[5], 0);
  EXPECT_EQ(SideToMove, 1);
  EXPECT_EQ(PlayerMoves[1].size(), 0u);
  for (Integer cell = 1; cell <= CellCount; ++cell) EXPECT_EQ(Influence[cell], influence[cell]);
}

TEST_F(CommandsTest, PresetStonesSpreadFromMinusHundred) {
  Presetx_Click();
  Influence[40] = 500;
  Click(40, kRightButton);
  EXPECT_EQ(Influence[40], -65);  // reset to 0, then credited by its own spread
  EXPECT_EQ(Influence[41], -81);
  Influence[70] = 500;
  const int neighbour = Influence[71];
  Click(70, kLeftButton);
  EXPECT_EQ(Influence[70], 500 - 65);  // a GREEN stone's own value is kept
  EXPECT_EQ(Influence[71], neighbour - 81);
}

TEST_F(CommandsTest, StartPresetGameHandsGreenTheMoveAndKeepsSizeFencedOff) {
  Presetx_Click();
  Click(5, kRightButton);
  StartPreset_Click();
  EXPECT_EQ(window.Messages().back(), "Place GREEN to start the game");
  EXPECT_EQ(SideToMove, 0);
  EXPECT_EQ(PresetMode, No);
  EXPECT_EQ(GameStarted, No);
  EXPECT_FALSE(window.MenuEnabled(MenuItem::Sizex));
  EXPECT_FALSE(window.MenuEnabled(MenuItem::Presetx));
  EXPECT_FALSE(window.MenuEnabled(MenuItem::StartPreset));
  Click(60);
  EXPECT_EQ(CellOwner[60], 0);
  EXPECT_EQ(PlayerMoves[1].size(), 2u);  // the preset stone and the reply
  EXPECT_FALSE(window.MenuEnabled(MenuItem::Sizex));
}

TEST_F(CommandsTest, PresetChainsAreAnnouncedAtTheirSidesFirstTest) {
  BoardSize = 5;
  Restartx_Click();
  Presetx_Click();
  for (Integer cell : {16, 17, 18, 19, 20}) Click(cell);               // GREEN's whole row
  for (Integer cell : {1, 2}) Click(cell, kRightButton);
  StartPreset_Click();
  EXPECT_EQ(window.Messages().back(), "Place GREEN to start the game");
  Click(5);
  EXPECT_EQ(window.Messages().back(), "GREEN WON - click here to continue");

  Presetx_Click();
  for (Integer cell : {3, 8, 13, 18, 23}) Click(cell, kRightButton);  // RED's whole column
  StartPreset_Click();
  Click(1);
  EXPECT_EQ(window.Messages().back(), "RED WON - click here to continue");
  ExpectAwaitingTheFirstMove();
}

TEST_F(CommandsTest, StartPresetGameIsDisabledAfterEveryNewBoard) {
  for (auto command : {Restartx_Click, Squarex_Click, Increasex_Click, Decreasex_Click}) {
    Presetx_Click();
    ASSERT_TRUE(window.MenuEnabled(MenuItem::StartPreset));
    command();
    EXPECT_FALSE(window.MenuEnabled(MenuItem::StartPreset));
    EXPECT_EQ(PresetMode, No);
  }
}

}  // namespace
}  // namespace vorn::testing
