// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The strong player: its board against the game's own, the filled board's winner, the
// bridge rule of its random games, and the moves it must never miss.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/search.h"
#include "game_fixture.h"

namespace vorn::testing {
namespace {

using engine::Position;

// A position drawn row by row: '.' empty, 'G' GREEN, 'R' RED; rows separated by spaces.
Position Drawn(const std::string& rows, int toMove) {
  Position position;
  position.toMove = toMove;
  position.cellsPerRow = static_cast<int>(rows.find(' '));
  position.rows = 0;
  for (char mark : rows) {
    if (mark == ' ') continue;
    position.owner.push_back(mark == 'G' ? engine::kGreen : mark == 'R' ? engine::kRed
                                                                       : engine::kEmpty);
  }
  position.rows = static_cast<int>(position.owner.size()) / position.cellsPerRow;
  return position;
}

class EngineBoardTest : public GameTest {};

// The engine builds its board on its own; it must agree with the game's, cell by cell.
TEST_F(EngineBoardTest, NeighboursAndEdgesAgreeWithTheGame) {
  for (int size : {5, 6, 11, 21}) {
    for (bool square : {true, false}) {
      Board(static_cast<Integer>(size), square);
      const engine::Grid grid(size, square ? size : size - 1);
      ASSERT_EQ(grid.cellCount(), CellCount) << size << (square ? " square" : " short");
      for (int cell = 1; cell <= CellCount; ++cell) {
        const std::array<int, 6> around = grid.NeighbourCells(cell);
        for (int k = 0; k < 6; ++k) {
          EXPECT_EQ(around[k], NeighbourCells[cell][k])
              << size << " cell " << cell << " entry " << k;
        }
        EXPECT_EQ(grid.EdgesOf(grid.PointOf(cell)), CellEdges[cell]) << size << " cell " << cell;
      }
    }
  }
}

TEST(EngineWinnerTest, FilledBoards) {
  // GREEN's third row crosses the board.
  EXPECT_EQ(engine::FilledBoardWinner(Drawn("RRGRR RGRRG GGGGG RRGRR GRRRG", 0)), 0);
  // RED's chain winds down through GREEN's stones: down, down-right, down, down.
  EXPECT_EQ(engine::FilledBoardWinner(Drawn("GRGGG GRGGR RGRGG GGRGR GGRRG", 0)), 1);
  // A board one row short: GREEN joins the columns down a staircase.
  EXPECT_EQ(engine::FilledBoardWinner(Drawn("GGRRR RGGRR RRGGR RRRGG", 1)), 0);
  // GREEN's first column touches the left edge only; RED's last column joins top and bottom.
  EXPECT_EQ(engine::FilledBoardWinner(Drawn("GRRRR GRRRR GRRRR GRRRR", 1)), 1);
  EXPECT_THROW(engine::FilledBoardWinner(Drawn("GRRRR GRRRR GRRRR GRR.R", 1)),
               std::invalid_argument);
}

// The playouts' bridge rule (BridgeGap over the rings of the intrusion's neighbours) on a
// drawn position, with the intrusion as a cell; the answer as a cell, 0 for none.
int Answer(const Position& position, int intrusionCell, int side) {
  const engine::Grid grid(position.cellsPerRow, position.rows);
  engine::Points points = grid.EmptyPoints();
  for (int cell = 1; cell <= grid.cellCount(); ++cell) {
    points[grid.PointOf(cell)] = position.owner[cell - 1];
  }
  const int intrusion = grid.PointOf(intrusionCell);
  const int gap = engine::BridgeGap(engine::RingOf(grid, points.data(), intrusion, side),
                                    engine::RingOf(grid, points.data(), intrusion, engine::kEmpty));
  return gap < 0 ? 0 : grid.CellOf(intrusion + grid.around()[gap]);
}

TEST(EngineBridgeTest, AnIntrusionIsAnsweredInTheOtherCell) {
  // RED at (2,2) and (3,4) share (2,3) and (3,3); GREEN has played (2,3) = 8.
  EXPECT_EQ(Answer(Drawn("..... .RG.. ...R. ..... .....", 1), 8, 1), 13);
  // The same bridge of GREEN's stones, RED intruding at (3,3) = 13: the answer is (2,3).
  EXPECT_EQ(Answer(Drawn("..... .G... ..RG. ..... .....", 0), 13, 0), 8);
  // Nothing to answer once the other cell is taken too, nor for the other side's bridge.
  EXPECT_EQ(Answer(Drawn("..... .RG.. ..GR. ..... .....", 1), 8, 1), 0);
  EXPECT_EQ(Answer(Drawn("..... .RG.. ...R. ..... .....", 1), 8, 0), 0);
  // A RED stone on the second row holds the top edge through (1,2) and (1,3): GREEN at
  // (1,3) = 3 is answered at (1,2) = 2. On a board one row short the bottom works alike.
  EXPECT_EQ(Answer(Drawn("..G.. ..R.. ..... ..... .....", 1), 3, 1), 2);
  EXPECT_EQ(Answer(Drawn("..... ..... ..R.. ..G..", 1), 18, 1), 19);
  // GREEN's stone on the second column holds the left edge the same way.
  EXPECT_EQ(Answer(Drawn("...... RG.... ...... ...... ...... ......", 0), 7, 0), 1);
}

constexpr int kFewGames = 300;

TEST(EngineMoveTest, TakesAWinAndBlocksALoss) {
  // RED needs only (3,3) = 13 to join top and bottom.
  EXPECT_EQ(engine::ChooseCell(Drawn("G.R.. ..R.G ..... .GR.. .GR..", 1), kFewGames), 13);
  // GREEN needs only (3,3) = 13; RED, with no win of its own, must fill it.
  EXPECT_EQ(engine::ChooseCell(Drawn("R.... ..R.. GG.GG ..R.. .....", 1), kFewGames), 13);
  // The same gap with GREEN to move: it takes the win.
  EXPECT_EQ(engine::ChooseCell(Drawn("..R.. ..R.. GG.GG ..... ..R..", 0), kFewGames), 13);
  // GREEN threatens two separate wins, (2,5) = 10 and (4,2) = 17: RED still blocks one.
  const int block = engine::ChooseCell(Drawn("..R.. GGGG. .RR.. G.GGG R....", 1), kFewGames);
  EXPECT_TRUE(block == 10 || block == 17) << block;
}

TEST(EngineMoveTest, FullBoardAndBadPositions) {
  EXPECT_EQ(engine::ChooseCell(Drawn("GRRRR GRRRR GRRRR GRRRR", 0), kFewGames), 0);
  Position wrongCount = Drawn("..... ..... ..... .....", 1);
  wrongCount.owner.pop_back();
  EXPECT_THROW(engine::ChooseCell(wrongCount, kFewGames), std::invalid_argument);
  Position wrongShape = Drawn("..... ..... .....", 1);
  EXPECT_THROW(engine::ChooseCell(wrongShape, kFewGames), std::invalid_argument);
  Position wrongOwner = Drawn("..... ..... ..... .....", 1);
  wrongOwner.owner[3] = 2;
  EXPECT_THROW(engine::ChooseCell(wrongOwner, kFewGames), std::invalid_argument);
  EXPECT_THROW(engine::ChooseCell(Drawn("..... ..... ..... .....", 2), kFewGames),
               std::invalid_argument);
  EXPECT_THROW(engine::PlayoutBudget(engine::Level::Strong, 4), std::invalid_argument);
}

// The same position gives the same cell however many searches ran before, in whatever
// order; and the budget is what makes the difference, not anything left behind.
TEST(EngineMoveTest, TheSamePositionGivesTheSameCell) {
  const Position opening = Drawn(
      "....... ....... ...G... ....... ..R.... ....... .......", 0);
  const Position other = Drawn("G.... ..R.. ..... ..... .....", 1);
  const int first = engine::ChooseCell(opening, 2000);
  EXPECT_GE(first, 1);
  EXPECT_LE(first, 49);
  const int between = engine::ChooseCell(other, 2000);
  EXPECT_EQ(engine::ChooseCell(opening, 2000), first);
  EXPECT_EQ(engine::ChooseCell(other, 2000), between);
}

// The cells recorded on Linux for a scatter of stones on boards of several sizes; the
// Windows build (under Wine) and the WebAssembly build must choose exactly the same.
TEST(EngineMoveTest, EveryPlatformChoosesTheSameCells) {
  struct Recorded {
    int cellsPerRow;
    bool square;
    int cell;
  };
  for (const Recorded& recorded : {Recorded{5, false, 20}, Recorded{5, true, 14},
                                   Recorded{7, false, 27}, Recorded{11, true, 51}}) {
    Position position;
    position.cellsPerRow = recorded.cellsPerRow;
    position.rows = recorded.square ? recorded.cellsPerRow : recorded.cellsPerRow - 1;
    const int cells = position.cellsPerRow * position.rows;
    position.owner.assign(static_cast<std::size_t>(cells), engine::kEmpty);
    for (int stone = 0, at = 0; stone < cells / 5; ++stone) {
      at = (at + 37) % cells;
      if (position.owner[at] == engine::kEmpty) {
        position.owner[at] = static_cast<signed char>(stone % 2);
      }
    }
    position.toMove = engine::kRed;
    EXPECT_EQ(engine::ChooseCell(position, 3000), recorded.cell) << recorded.cellsPerRow;
  }
}

}  // namespace
}  // namespace vorn::testing
