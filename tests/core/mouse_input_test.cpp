// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Mouse releases: the hit test, the dispatch, the computer's opening and GREEN's move.
#include <gtest/gtest.h>

#include "computer/computer_move.h"
#include "computer/stone_placement.h"
#include "game_fixture.h"
#include "play/game_commands.h"
#include "play/preset.h"

namespace vorn::testing {
namespace {

using MouseInputTest = GameTest;

TEST_F(MouseInputTest, ClickBoxesIncludeTheirBordersAndASharedSideGoesToTheLowerCell) {
  // Cell 1's box: x 2220..2625, y 210..420 twips; cell 2 starts at x 2625.
  EXPECT_EQ(HitTest(2220, 210), 1);
  EXPECT_EQ(HitTest(2625, 420), 1);
  EXPECT_EQ(HitTest(2625.5F, 300), 2);
  EXPECT_EQ(HitTest(2219.9F, 300), 0);
  EXPECT_EQ(HitTest(3000, 420.1F), 0);  // below the band: the bottom cap or the gap
  EXPECT_EQ(HitTest(3000, 470), 0);     // between rows 1 and 2
  EXPECT_EQ(HitTest(2400, 150), 0);     // cell 1's top cap
  EXPECT_EQ(HitTest(CellTwipX[12] + 1, CellTwipY[12] + 1), 12);
  EXPECT_EQ(HitTest(-5, -5), 0);
}

TEST_F(MouseInputTest, ClickingAnEmptyCellPlaysGreenAndTheComputerAnswers) {
  Click(61);
  EXPECT_EQ(CellOwner[61], 0);
  // GREEN's stone, drawn over the outline of cell 61 (row 6, column 6): its vertex 0 lies
  // five rows down at (78 + 5 x 27, 14 + 5 x 21).
  const DrawnPolygon& stone = window.Polygons().at(121);
  const PointL outline[6] = {{213, 119}, {227, 112}, {240, 119},
                             {240, 133}, {227, 140}, {213, 133}};
  for (int v = 0; v < 6; ++v) {
    EXPECT_EQ(stone.points[v].x, outline[v].x) << v;
    EXPECT_EQ(stone.points[v].y, outline[v].y) << v;
  }
  EXPECT_EQ(stone.fillColor, 0x008000u);
  EXPECT_EQ(PlayerMoves[0], std::vector<Integer>{61});
  ASSERT_EQ(PlayerMoves[1].size(), 1u);
  EXPECT_EQ(Stones(), 2);
  EXPECT_EQ(SideToMove, 0);
  EXPECT_EQ(GameStarted, Yes);
  EXPECT_TRUE(window.Enabled());
  EXPECT_EQ(window.IndicatorColor(0), PlayerColor[0]);
  EXPECT_FALSE(window.MenuEnabled(MenuItem::Sizex));
  EXPECT_FALSE(window.MenuEnabled(MenuItem::Presetx));
  EXPECT_FALSE(window.MenuEnabled(MenuItem::StartPreset));
  EXPECT_TRUE(window.MenuEnabled(MenuItem::Restartx));
  EXPECT_EQ(Influence[61], 0);
}

TEST_F(MouseInputTest, OtherButtonsAndModifiersPlayGreenToo) {
  Click(5, kMiddleButton);
  EXPECT_EQ(CellOwner[5], 0);
  for (const Integer shift : {1, 2, 4, 6}) {  // Shift, Ctrl, Alt held: no computer opening
    Restartx_Click();
    Click(5, kRightButton, shift);
    EXPECT_EQ(CellOwner[5], 0) << "shift " << shift;
  }
  EXPECT_EQ(PlayerMoves[1].size(), 5u);
  Click(90, kRightButton);  // after the first move a plain right click plays GREEN
  EXPECT_EQ(CellOwner[90], 0);
}

TEST_F(MouseInputTest, OccupiedCellsAndClicksOffTheBoardChangeNothing) {
  Click(61);
  const Integer reply = PlayerMoves[1].back();
  const auto influence = Influence;
  Click(61);
  Click(reply);
  Form_MouseUp(kLeftButton, 0, 10, 10);
  EXPECT_EQ(PlayerMoves[0].size(), 1u);
  EXPECT_EQ(PlayerMoves[1].size(), 1u);
  for (Integer cell = 1; cell <= CellCount; ++cell) EXPECT_EQ(Influence[cell], influence[cell]);
}

TEST_F(MouseInputTest, APlainRightClickBeforeTheFirstMoveLetsTheComputerOpenOnCellSixty) {
  Click(3, kRightButton);
  EXPECT_EQ(CellOwner[60], 1);
  EXPECT_EQ(CellOwner[3], -1);
  EXPECT_EQ(Influence[60], 0);
  EXPECT_EQ(Influence[61], -81);
  EXPECT_EQ(Stones(), 1);
  EXPECT_EQ(SideToMove, 0);
  EXPECT_EQ(GameStarted, Yes);
  EXPECT_EQ(window.IndicatorColor(0), PlayerColor[0]);
  EXPECT_EQ(window.IndicatorColor(1), window.BackColor());
  EXPECT_FALSE(window.MenuEnabled(MenuItem::Sizex));
  EXPECT_TRUE(window.Messages().empty());
}

TEST_F(MouseInputTest, TheOpeningCellOfAnEvenBoardIsHalfTheCellCount) {
  Board(10, true);
  Click(1, kRightButton);
  EXPECT_EQ(CellOwner[50], 1);
}

TEST_F(MouseInputTest, TheComputerCannotOpenOnAShortBoard) {
  Board(11, false);
  Click(3, kRightButton);
  EXPECT_EQ(window.Messages(), std::vector<std::string>{"Computer cannot start first in non-square Board"});
  EXPECT_EQ(Stones(), 0);
  EXPECT_EQ(GameStarted, No);
  EXPECT_TRUE(window.MenuEnabled(MenuItem::Sizex));
}

TEST_F(MouseInputTest, AnOpeningCellTakenByAPresetStoneGivesWayToTheLowestEmptyCell) {
  Presetx_Click();
  Click(60, kLeftButton);
  Click(1, kRightButton);
  StartPreset_Click();
  Click(7, kRightButton);
  EXPECT_EQ(CellOwner[2], 1);
  EXPECT_EQ(Influence[2], 0);
  EXPECT_EQ(CellOwner[60], 0);
  EXPECT_EQ(GameStarted, Yes);
  EXPECT_EQ(SideToMove, 0);
}

// A layout that fills the board left a game nobody could move in: every click was ignored
// and the chain on the board was never announced.
TEST_F(MouseInputTest, StartingAPresetGameOnAFullBoardAnnouncesItsChain) {
  struct Layout {
    bool (*isRed)(Integer cell);
    const char* message;
  };
  const Layout layouts[] = {
      {[](Integer cell) { return (cell - 1) % 5 == 2; }, "RED WON - click here to continue"},  // column 3
      {[](Integer cell) { return (cell - 1) / 5 != 2; }, "GREEN WON - click here to continue"}};  // row 3
  for (const Layout& layout : layouts) {
    Board(5, true);
    Presetx_Click();
    for (Integer cell = 1; cell <= CellCount; ++cell) {
      Click(cell, layout.isRed(cell) ? kRightButton : kLeftButton);
    }
    StartPreset_Click();
    // No GREEN stone can be placed, so none is asked for before the chain is announced.
    const std::vector<std::string> last(window.Messages().end() - 2, window.Messages().end());
    EXPECT_EQ(last, (std::vector<std::string>{"left-click to set GREEN, right-click for RED",
                                              layout.message}));
    EXPECT_EQ(Stones(), 0);
    EXPECT_EQ(CellCount, 25);
    EXPECT_EQ(SideToMove, 0);
    EXPECT_EQ(window.IndicatorColor(0), PlayerColor[0]);
    EXPECT_TRUE(window.Enabled());
    EXPECT_TRUE(window.MenuEnabled(MenuItem::Presetx));
  }
}

// A RED chain laid out in preset mode waits for the win test after the computer's reply,
// also when the opening stone completes it.
TEST_F(MouseInputTest, APresetRedChainCompletedByTheOpeningIsAnnouncedAfterTheReply) {
  Board(5, true);
  Presetx_Click();
  for (Integer cell : {2, 7, 17, 22}) Click(cell, kRightButton);  // column 2 but for cell 12
  StartPreset_Click();
  Click(1, kRightButton);  // the opening cell is 12
  EXPECT_EQ(CellOwner[12], 1);
  EXPECT_EQ(window.Messages().back(), "Place GREEN to start the game");
  Click(25);
  EXPECT_EQ(window.Messages().back(), "RED WON - click here to continue");
  EXPECT_EQ(Stones(), 0);
}

// Found by the soak test: an opening that filled the board left a game in play that nobody
// could move in and nobody had won.
TEST_F(MouseInputTest, AnOpeningThatFillsTheBoardAnnouncesGreensPresetChain) {
  Board(5, true);
  Presetx_Click();
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    if (cell != 12) Click(cell, cell <= 5 ? kLeftButton : kRightButton);  // GREEN holds row 1
  }
  StartPreset_Click();
  Click(1, kRightButton);
  EXPECT_EQ(window.Messages().back(), "GREEN WON - click here to continue");
  EXPECT_EQ(Stones(), 0);
  EXPECT_EQ(SideToMove, 0);
  EXPECT_EQ(window.IndicatorColor(0), PlayerColor[0]);
  EXPECT_TRUE(window.Enabled());
}

TEST_F(MouseInputTest, AnOpeningThatFillsTheBoardAndCompletesRedsChainAnnouncesRed) {
  Board(5, true);
  Presetx_Click();
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    if (cell != 12) Click(cell, (cell - 1) % 5 == 1 ? kRightButton : kLeftButton);  // column 2 RED
  }
  StartPreset_Click();
  Click(1, kRightButton);
  EXPECT_EQ(window.Messages().back(), "RED WON - click here to continue");
  EXPECT_EQ(Stones(), 0);
}

TEST_F(MouseInputTest, AComputerOpeningOnAnEmptyBoardAnnouncesNothing) {
  Board(5, true);
  Click(1, kRightButton);
  EXPECT_EQ(CellOwner[12], 1);
  EXPECT_TRUE(window.Messages().empty());
  EXPECT_EQ(SideToMove, 0);
}

TEST_F(MouseInputTest, AWinningGreenStoneIsAnnouncedAndNotAnswered) {
  Board(5, true);
  Presetx_Click();
  for (Integer cell : {11, 12, 13, 14}) Click(cell);
  StartPreset_Click();
  const auto influence = Influence;
  std::size_t redStonesAtTheMessage = 99;
  window.onMessage = [&](const std::string&) { redStonesAtTheMessage = PlayerMoves[1].size(); };
  Click(15);
  EXPECT_EQ(window.Messages().back(), "GREEN WON - click here to continue");
  EXPECT_EQ(redStonesAtTheMessage, 0u);
  EXPECT_EQ(Stones(), 0);  // a fresh board
  EXPECT_EQ(Influence[15], influence[15]);  // no spread from the winning stone
  EXPECT_EQ(SideToMove, 0);
  EXPECT_EQ(GameStarted, No);
}

TEST_F(MouseInputTest, ARedReplyThatCompletesItsChainIsAnnounced) {
  Board(5, true);
  Presetx_Click();
  for (Integer cell : {3, 8, 13, 18}) Click(cell, kRightButton);
  StartPreset_Click();
  Click(1);
  EXPECT_EQ(window.Messages().back(), "RED WON - click here to continue");
  EXPECT_EQ(Stones(), 0);
  EXPECT_EQ(SideToMove, 0);
  EXPECT_TRUE(window.Enabled());
}

TEST_F(MouseInputTest, AGameOnAFullBoardEndsWithRedsChainAfterGreensLastStone) {
  Board(5, true);
  Presetx_Click();
  for (Integer cell = 1; cell <= 24; ++cell) Click(cell, (cell - 1) % 5 == 2 || cell == 24 ? kRightButton : kLeftButton);
  StartPreset_Click();
  Click(25);
  EXPECT_EQ(window.Messages().back(), "RED WON - click here to continue");
  EXPECT_EQ(Stones(), 0);
}

TEST_F(MouseInputTest, GamesPlayedToTheEndAlwaysFinishWithOneWinMessage) {
  for (Integer size : {5, 6, 8, 11}) {
    for (bool square : {true, false}) {
      Board(size, square);
      const std::size_t messages = window.Messages().size();
      for (int click = 0; click < CellCount && window.Messages().size() == messages; ++click) {
        Click(LowestEmptyCell());
      }
      ASSERT_EQ(window.Messages().size(), messages + 1) << size << (square ? " square" : " short");
      EXPECT_NE(window.Messages().back().find(" WON - click here to continue"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace vorn::testing
