// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up, board construction and cell geometry on the headless window.
#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <vector>

#include "display/cell_drawing.h"
#include "game/new_game.h"
#include "game_fixture.h"
#include "play/game_commands.h"

namespace vorn::testing {
namespace {

using BoardTest = GameTest;

TEST_F(BoardTest, StartUpLeavesGreenToMoveOnAnEmptyElevenByElevenBoard) {
  EXPECT_EQ(window.Caption(), "VORN SIZE 11");
  EXPECT_EQ(BoardSize, 11);
  EXPECT_EQ(MaxBoardSize, 21);
  EXPECT_EQ(SquareBoard, Yes);
  EXPECT_EQ(CellCount, 121);
  EXPECT_EQ(SideToMove, 0);
  EXPECT_EQ(GameStarted, No);
  EXPECT_EQ(PresetMode, No);
  EXPECT_EQ(TopEdge, ListOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
  EXPECT_EQ(BottomEdge, ListOf({111, 112, 113, 114, 115, 116, 117, 118, 119, 120, 121}));
  EXPECT_EQ(LeftEdge, ListOf({1, 12, 23, 34, 45, 56, 67, 78, 89, 100, 111}));
  EXPECT_EQ(RightEdge, ListOf({11, 22, 33, 44, 55, 66, 77, 88, 99, 110, 121}));
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    EXPECT_EQ(CellOwner[cell], -1);
    EXPECT_EQ(CellGroup[cell], 0);
  }
  EXPECT_TRUE(window.MenuEnabled(MenuItem::Sizex));
  EXPECT_TRUE(window.MenuEnabled(MenuItem::Presetx));
  EXPECT_FALSE(window.MenuEnabled(MenuItem::StartPreset));
  EXPECT_TRUE(window.MenuEnabled(MenuItem::Restartx));
  EXPECT_TRUE(window.MenuChecked(MenuItem::Squarex));
  EXPECT_EQ(window.IndicatorColor(0), 0x008000u);
  EXPECT_EQ(window.IndicatorColor(1), 0xC0C0C0u);
  EXPECT_EQ(window.BackColor(), 0xC0C0C0u);
  EXPECT_EQ(window.DrawWidth(), 2);
  EXPECT_EQ(window.Polygons().size(), 121u);
  EXPECT_TRUE(window.Messages().empty());
}

TEST_F(BoardTest, WindowIsFittedToTheBoard) {
  EXPECT_EQ(CellPos[11], "418014");
  EXPECT_EQ(CellPos[121], "278224");  // the last cell sets the height
  EXPECT_FLOAT_EQ(window.OuterWidth(), 486 * 15);
  EXPECT_FLOAT_EQ(window.OuterHeight(), 308 * 15);
}

TEST_F(BoardTest, CellsOfSizeElevenSitWhereTheStepsRoundThem) {
  EXPECT_EQ(CellPos[1], "148014");   // 148.5 draws at 148
  EXPECT_EQ(CellPos[2], "175014");
  EXPECT_EQ(CellPos[12], "134035");  // 148 - 13.5 = 134.5 draws at 134
  EXPECT_EQ(CellPos[23], "120056");
  EXPECT_EQ(CellTwipX[1], 2220);
  EXPECT_EQ(CellTwipY[1], 210);
  // The first polygon drawn is cell 1's outline.
  const DrawnPolygon& first = window.Polygons().front();
  EXPECT_EQ(first.points[1].x, 162);
  EXPECT_EQ(first.points[1].y, 7);
  EXPECT_EQ(first.points[4].x, 162);
  EXPECT_EQ(first.points[4].y, 35);
  EXPECT_EQ(first.fillColor, 0xC0C0C0u);
  EXPECT_EQ(first.fillStyle, kFillSolid);
}

TEST_F(BoardTest, RowStartsOfSizesFourteenAndTwentyOne) {
  Board(14, true);
  EXPECT_EQ(CellPos[1], "189014");
  EXPECT_EQ(CellPos[15], "176035");  // 175.5 to the even 176, a step of 13
  EXPECT_EQ(CellPos[29], "162056");  // a step of 14
  Board(21, true);
  EXPECT_EQ(CellPos[1], "284014");  // 283.5 draws at 284
  EXPECT_EQ(CellPos[22], "270035");
  EXPECT_EQ(window.Caption(), "VORN SIZE 21");
}

TEST_F(BoardTest, PositionKeysOfCellsLeftOfXHundredCarryLeadingZeros) {
  Board(21, true);
  // The bottom-left cell of the largest board lies far left.
  const Integer corner = CellCount - 20;
  EXPECT_EQ(CellPos[corner].size(), 6u);
  EXPECT_EQ(CellPos[corner].substr(0, 1), "0");
  EXPECT_EQ(PositionKeyX(corner), 4);
  EXPECT_EQ(PositionKeyY(corner), 434);
}

TEST_F(BoardTest, NeighbourExamplesOfTheFiveColumnBoards) {
  Board(5, false);
  EXPECT_EQ(CellCount, 20);
  EXPECT_EQ(Neighbours[1], "XXX,007,XXX,006,XXX,002");
  EXPECT_EQ(Neighbours[7], "001,013,002,012,006,008");
  EXPECT_EQ(Neighbours[20], "014,XXX,015,XXX,019,XXX");
  EXPECT_EQ(BottomEdge, ListOf({16, 17, 18, 19, 20}));
  EXPECT_EQ(LeftEdge, ListOf({1, 6, 11, 16}));
  EXPECT_EQ(RightEdge, ListOf({5, 10, 15, 20}));
  Board(5, true);
  EXPECT_EQ(CellCount, 25);
  EXPECT_EQ(Neighbours[21], "XXX,XXX,016,XXX,XXX,022");
  EXPECT_EQ(LeftEdge, ListOf({1, 6, 11, 16, 21}));
  EXPECT_EQ(RightEdge, ListOf({5, 10, 15, 20, 25}));
  EXPECT_EQ(TopEdge, ListOf({1, 2, 3, 4, 5}));
  EXPECT_EQ(BottomEdge, ListOf({21, 22, 23, 24, 25}));
}

// The neighbour in entry k of a cell at (row, column), or 0 off the board.
int ExpectedNeighbour(int row, int column, int entry, int rows) {
  static const int steps[6][2] = {{-1, -1}, {1, 1}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}};
  const int r = row + steps[entry][0];
  const int c = column + steps[entry][1];
  if (r < 1 || r > rows || c < 1 || c > BoardSize) return 0;
  return (r - 1) * BoardSize + c;
}

TEST_F(BoardTest, EveryBoardOfEverySizeAndShapeIsBuiltConsistently) {
  for (Integer size = 5; size <= 21; ++size) {
    for (bool square : {true, false}) {
      SCOPED_TRACE(::testing::Message() << "size " << size << (square ? " square" : " short"));
      Board(size, square);
      const int rows = square ? size : size - 1;
      ASSERT_EQ(CellCount, size * rows);
      EXPECT_EQ(window.Caption(), "VORN SIZE" + WithLeadingSpace(size));
      const int bottomFirst = (rows - 1) * size + 1;
      std::vector<int> top, bottom, left, right;
      for (int c = 1; c <= size; ++c) top.push_back(c), bottom.push_back(bottomFirst + c - 1);
      for (int r = 1; r <= rows; ++r) left.push_back((r - 1) * size + 1), right.push_back(r * size);
      EXPECT_EQ(TopEdge, ListOf(top));
      EXPECT_EQ(BottomEdge, ListOf(bottom));
      EXPECT_EQ(LeftEdge, ListOf(left));
      EXPECT_EQ(RightEdge, ListOf(right));
      for (int cell = 1; cell <= CellCount; ++cell) {
        const std::string& list = Neighbours[cell];
        ASSERT_EQ(list.size(), 23u) << cell;
        const int row = (cell - 1) / size + 1;
        const int column = (cell - 1) % size + 1;
        const int edges = (column == 1 ? kLeftEdgeBit : 0) | (column == size ? kRightEdgeBit : 0) |
                          (row == 1 ? kTopEdgeBit : 0) | (row == rows ? kBottomEdgeBit : 0);
        ASSERT_EQ(CellEdges[cell], edges) << "cell " << cell;
        for (int entry = 0; entry < 6; ++entry) {
          const int neighbour = ListItem(static_cast<Integer>(entry + 1), list);
          // Exactly the cell in that position, never one wrapped round a row end.
          ASSERT_EQ(neighbour, ExpectedNeighbour(row, column, entry, rows))
              << "cell " << cell << " entry " << entry + 1;
          ASSERT_EQ(NeighbourCells[cell][entry], neighbour) << "cell " << cell;
          if (neighbour != 0) {
            const int opposite = entry ^ 1;  // entries come in opposite pairs
            EXPECT_EQ(ListItem(static_cast<Integer>(opposite + 1), Neighbours[neighbour]), cell);
          } else {
            EXPECT_EQ(list.substr(entry * 4, 3), "XXX");
          }
        }
      }
    }
  }
}

TEST_F(BoardTest, MirrorPairsNumberEveryCellOfAShortBoardWithItsMirrorImage) {
  for (Integer size = 5; size <= 21; ++size) {
    SCOPED_TRACE(::testing::Message() << "size " << size);
    Board(size, false);
    std::map<int, std::vector<int>> cellsOfPair;
    for (int cell = 1; cell <= CellCount; ++cell) cellsOfPair[MirrorPair[cell]].push_back(cell);
    ASSERT_EQ(cellsOfPair.size(), static_cast<std::size_t>(size * (size - 1) / 2));
    EXPECT_EQ(cellsOfPair.begin()->first, 1);
    EXPECT_EQ(cellsOfPair.rbegin()->first, size * (size - 1) / 2);
    for (const auto& [pair, cells] : cellsOfPair) {
      ASSERT_EQ(cells.size(), 2u) << "pair " << pair;
      const int rowA = (cells[0] - 1) / size + 1, columnA = (cells[0] - 1) % size + 1;
      const int rowB = (cells[1] - 1) / size + 1, columnB = (cells[1] - 1) % size + 1;
      // Mirror images: (row r, column c) and (row c - 1, column r), either way round.
      EXPECT_TRUE((rowB == columnA - 1 && columnB == rowA) ||
                  (rowA == columnB - 1 && columnA == rowB))
          << "pair " << pair << ": cells " << cells[0] << " and " << cells[1];
    }
  }
}

TEST_F(BoardTest, MirrorPairExamplesOfTheFiveColumnBoard) {
  Board(5, false);
  EXPECT_EQ(MirrorPair[1], 1);
  EXPECT_EQ(MirrorPair[2], 1);
  EXPECT_EQ(MirrorPair[3], 5);
  EXPECT_EQ(MirrorPair[6], 5);
  Board(11, false);
  EXPECT_EQ(CellCount, 110);
  EXPECT_EQ(BottomEdge, ListOf({100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110}));
  EXPECT_EQ(MirrorPair[1], 1);
  EXPECT_EQ(MirrorPair[2], 1);
}

TEST_F(BoardTest, ASmallerBoardClearsOnlyItsOwnCells) {
  Board(21, true);
  CellOwner[400] = 0;
  CellGroup[400] = 3;
  Groups[0][400] = "400,";
  Board(5, true);
  for (Integer cell = 1; cell <= 25; ++cell) EXPECT_EQ(CellOwner[cell], -1);
  EXPECT_EQ(CellOwner[400], 0);
  EXPECT_EQ(CellGroup[400], 3);
  EXPECT_EQ(Groups[0][400], "400,");
}

TEST_F(BoardTest, DrawCellRefusesCellsAndDirectionsOutsideTheirTables) {
  EXPECT_THROW(DrawCell(1, 7, 2), RunTimeError);
  EXPECT_THROW(DrawCell(1, 3, 485), RunTimeError);
}

// A screen of the given twips per pixel, both ways.
class ScreenOfTwips : public HeadlessWindow {
 public:
  explicit ScreenOfTwips(Single twipsPerPixel) : twips_(twipsPerPixel) {}
  Single TwipsPerPixelX() const override { return twips_; }
  Single TwipsPerPixelY() const override { return twips_; }

 private:
  Single twips_;
};

// At a logical DPI of 30 (48 twips per pixel) the cells of the boards from 19 cells a side lay
// beyond 32767 twips: building one failed, and so did every fresh board after it.
TEST(StartUpTest, AScreenOfFewerThanNinetySixPixelsToTheInchIsTakenAsOneOfNinetySix) {
  ResetModuleState();
  ScreenOfTwips window(48);
  AttachWindow(&window);
  Form_Load();
  EXPECT_EQ(TwipsX, 15);
  EXPECT_EQ(TwipsY, 15);
  EXPECT_FLOAT_EQ(window.OuterWidth(), 486 * 15);  // the same pixels as on any screen
  BoardSize = 21;
  ASSERT_NO_THROW(Restartx_Click());
  EXPECT_EQ(CellPos[21], "824014");  // 284 + 20 steps of 27 pixels
  EXPECT_EQ(CellTwipX[21], 824 * 15);
  AttachWindow(nullptr);

  EXPECT_EQ(WorkingTwipsPerPixel(7.5F), 7.5F);  // 192 pixels to the inch stay as they are
  EXPECT_EQ(WorkingTwipsPerPixel(15), 15);
  for (Single broken : {0.0F, -15.0F, std::numeric_limits<Single>::quiet_NaN(),
                        std::numeric_limits<Single>::infinity()}) {
    EXPECT_THROW(WorkingTwipsPerPixel(broken), RunTimeError) << broken;
  }
}

}  // namespace
}  // namespace vorn::testing
