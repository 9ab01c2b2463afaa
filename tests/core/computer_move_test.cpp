// RED's reply: the best-valued cell on square boards, the mirror partner on short ones, and
// the fallbacks for positions that preset layouts can build.
#include <gtest/gtest.h>

#include "computer/computer_move.h"
#include "computer/stone_placement.h"
#include "game_fixture.h"
#include "play/game_commands.h"
#include "play/influence.h"
#include "play/preset.h"

namespace vorn::testing {
namespace {

class ComputerMoveTest : public GameTest {
 protected:
  // GREEN's stone as the mouse handler leaves it before the reply.
  void GreenPlays(Integer cell) {
    PlaceStone(cell, 0);
    SpreadInfluence(cell, 100);
    SelectedCell = cell;
    SideToMove = 1;
  }
  Integer RedsReply() {
    const std::size_t before = window.Moves(1).size();
    ComputerMove();
    if (window.Moves(1).size() == before) return 0;
    return CInt(Val(window.Moves(1).back()));
  }
};

TEST_F(ComputerMoveTest, TiesGoToTheLowerNumberedCell) {
  GreenPlays(121);  // a corner stone earns no bonuses
  for (Integer cell = 1; cell <= CellCount; ++cell) Influence[cell] = 0;
  Influence[40] = 500;
  Influence[30] = 500;
  EXPECT_EQ(RedsReply(), 30);
}

TEST_F(ComputerMoveTest, WhenEveryEmptyCellIsNegativeTheLowestEmptyCellIsPlayed) {
  PlaceStone(1, 1);
  GreenPlays(121);
  for (Integer cell = 1; cell <= CellCount; ++cell) Influence[cell] = -50;
  EXPECT_EQ(RedsReply(), 2);
}

TEST_F(ComputerMoveTest, ASquareTurnLeavesOnlyTheSecondSpreadInTheMap) {
  GreenPlays(61);
  GreenPlays(62);  // a line and a right-of-stone bonus, and two chains' worth of rating
  PlaceStone(50, 1);
  GreenPlays(40);
  PerCell<Integer> before = Influence;
  const Integer reply = RedsReply();
  ASSERT_NE(reply, 0);
  const PerCell<Integer> after = Influence;
  // The same turn without the rating: the map as it was, the spread, and the 0.
  Influence = before;
  SpreadInfluence(40, -100);
  Influence[40] = 0;
  for (Integer cell = 1; cell <= CellCount; ++cell) EXPECT_EQ(after[cell], Influence[cell]) << cell;
  EXPECT_EQ(after[40], 0);
}

TEST_F(ComputerMoveTest, ADecidingCellIsTakenOnASquareBoard) {
  Board(5, true);
  for (int cell : {11, 12, 13, 14}) GreenPlays(static_cast<Integer>(cell));
  const Integer before = Influence[15];
  EXPECT_EQ(RedsReply(), 15);
  // The 999 is gone again, and the second spread passes over RED's new stone.
  EXPECT_EQ(Influence[15], before);
}

// The map is never cleared: after games on short boards, where no second spread follows
// GREEN's stones, cells can stand far above the 999 a deciding cell is given.
TEST_F(ComputerMoveTest, DecidingCellIsPlayedEvenWhenStaleInfluenceOutscoresIt) {
  Board(5, true);
  for (int cell : {11, 12, 13, 14}) GreenPlays(static_cast<Integer>(cell));
  Influence[3] = 1148;
  Influence[9] = 5000;
  EXPECT_EQ(RedsReply(), 15);
}

TEST_F(ComputerMoveTest, ShortBoardAnswersWithTheMirrorPartner) {
  Board(5, false);
  GreenPlays(2);
  EXPECT_EQ(RedsReply(), 1);
  GreenPlays(6);
  EXPECT_EQ(RedsReply(), 3);
}

TEST_F(ComputerMoveTest, ShortBoardTakesADecidingCellBeforeThePartner) {
  Board(5, false);
  LayChain(0, 1, {6, 7, 8, 9});  // row 2 lacks only cell 10
  GreenPlays(16);
  const auto influence = Influence;
  EXPECT_EQ(RedsReply(), 10);
  EXPECT_EQ(Influence[10], 999);  // stays in the map on short boards
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    if (cell != 10) {
      EXPECT_EQ(Influence[cell], influence[cell]) << cell;
    }
  }
}

TEST_F(ComputerMoveTest, ShortBoardWithTheMirrorPartnerTakenPlaysTheLowestEmptyCell) {
  Board(5, false);
  PlaceStone(1, 1);
  GreenPlays(2);  // its partner, cell 1, is RED already
  EXPECT_EQ(RedsReply(), 3);
  EXPECT_EQ(CellOwner[1], 1);
  EXPECT_EQ(CellOwner[2], 0);
}

TEST_F(ComputerMoveTest, AFullBoardSkipsOnlyThePlacingOfRedsStone) {
  Board(5, true);
  // RED holds column 3 and a few more; GREEN everything else but cell 25.
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    const bool red = (cell - 1) % 5 == 2 || cell == 24;
    if (cell != 25) PlaceStone(cell, red ? 1 : 0);
  }
  GreenPlays(25);
  const PerCell<Integer> before = Influence;
  EXPECT_EQ(RedsReply(), 0);
  for (Integer cell = 1; cell <= CellCount; ++cell) EXPECT_NE(CellOwner[cell], -1);
  // The rest of the turn still runs: the -100 spread from GREEN's stone and the 0 there.
  const PerCell<Integer> after = Influence;
  Influence = before;
  SpreadInfluence(25, -100);
  Influence[25] = 0;
  for (Integer cell = 1; cell <= CellCount; ++cell) EXPECT_EQ(after[cell], Influence[cell]) << cell;
}

TEST_F(ComputerMoveTest, TheSamePositionAlwaysGetsTheSameReply) {
  GreenPlays(61);
  const auto influence = Influence;
  const Integer first = RedsReply();
  Restartx_Click();
  Influence = influence;
  window.AppendMove(0, "061");
  PlaceStone(61, 0);
  SelectedCell = 61;
  SideToMove = 1;
  EXPECT_EQ(RedsReply(), first);
}

}  // namespace
}  // namespace vorn::testing
