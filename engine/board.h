// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The engine's board: the cells on a grid with a frame of one cell around them, so that a
// cell's six neighbours are fixed offsets and never need a bounds check. The frame belongs
// to the sides whose edges it lines: its left and right columns to GREEN, its top and bottom
// rows to RED, its corners to nobody. A stone next to its own frame therefore touches its
// edge, and a stone two rows from its edge is bridged to the frame like to any other stone.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace vorn::engine {

inline constexpr signed char kEmpty = -1;
inline constexpr signed char kGreen = 0;
inline constexpr signed char kRed = 1;
inline constexpr signed char kNobody = 2;  // the frame's corners

// The edges a cell lies on, as bits; the game numbers them the same way.
inline constexpr int kLeftEdge = 1;
inline constexpr int kRightEdge = 2;
inline constexpr int kTopEdge = 4;
inline constexpr int kBottomEdge = 8;
inline constexpr int kFrame = 16;  // a point of the frame, not a cell

// One owner per grid point, frame included.
using Points = std::vector<signed char>;

class Grid {
 public:
  Grid(int cellsPerRow, int rows);

  int cellsPerRow() const { return cellsPerRow_; }
  int rows() const { return rows_; }
  int cellCount() const { return cellsPerRow_ * rows_; }
  int pointCount() const { return (rows_ + 2) * width_; }

  // Cell numbers (1..cellCount, row by row) and grid points.
  int PointOf(int cell) const;
  int CellOf(int point) const { return cellOf_[point]; }
  // The six neighbour offsets in turn around a cell, each neighbour next to the one before
  // and the one after: up-left, up-right, right, down-right, down-left, left.
  const std::array<int, 6>& around() const { return around_; }
  // kLeftEdge and the rest for a cell, kFrame for a point of the frame.
  int EdgesOf(int point) const { return edges_[point]; }
  // The edge bits a side joins: GREEN left and right, RED top and bottom.
  static int FirstEdgeOf(int side) { return side == kGreen ? kLeftEdge : kTopEdge; }
  static int SecondEdgeOf(int side) { return side == kGreen ? kRightEdge : kBottomEdge; }

  // The cell's neighbours in the game's own order (up-left, down-right, up-right, down-left,
  // left, right), 0 where the position lies off the board.
  std::array<int, 6> NeighbourCells(int cell) const;

  // The grid of an empty board: every cell empty, the frame owned as described above.
  Points EmptyPoints() const;

 private:
  int cellsPerRow_;
  int rows_;
  int width_;
  std::array<int, 6> around_;
  std::vector<int> cellOf_;  // 0 on the frame
  std::vector<int> edges_;
};

// A point's six neighbours read as a ring of bits, bit k for the k-th neighbour in turn
// (`Grid::around`): those that `owner` holds (kEmpty for the empty ones).
inline unsigned RingOf(const Grid& grid, const signed char* points, int point, int owner) {
  unsigned ring = 0;
  for (int k = 0; k < 6; ++k) {
    ring |= static_cast<unsigned>(points[point + grid.around()[k]] == owner) << k;
  }
  return ring;
}

// The bit of a ring that stands for the way back: neighbour k sees the point as its
// neighbour k + 3 (mod 6).
inline unsigned BackBit(int k) { return 1U << ((k + 3) % 6); }

// Where a bridge stands in the rings of a point: its gap, the first k in turn (0..5) where
// neighbour k is empty and both neighbours beside it are the side's (`own`); -1 for none.
// Made without a branch, because the playouts ask it after nearly every move.
inline int BridgeGap(unsigned own, unsigned empty) {
  const unsigned ownBefore = ((own << 1) | (own >> 5)) & 63U;
  const unsigned ownAfter = ((own >> 1) | (own << 5)) & 63U;
  const unsigned gaps = ownBefore & ownAfter & empty;
  return gaps == 0 ? -1 : std::countr_zero(gaps);
}

// The side whose chain joins its two edges on a board with no empty cell. Exactly one does;
// only GREEN's chains are followed, the other side wins when they fail.
int FilledBoardWinner(const Grid& grid, const Points& points);

// The cells (as points) where `side` would join its edges with one more stone, in increasing
// order.
std::vector<int> WinningPoints(const Grid& grid, const Points& points, int side);

// The fewest empty cells `side` must still fill to join its edges, its own stones free and
// the other side's stones closed; -1 when the other side has already cut every way.
int ShortestPathLength(const Grid& grid, const Points& points, int side);

// The same walk from both of the side's edges: for every point, the fewest empty cells from
// the first edge and from the second up to and including it (-1 where unreachable).
struct EdgeDistances {
  std::vector<int> fromFirst;
  std::vector<int> fromSecond;
};
EdgeDistances DistancesFromEdges(const Grid& grid, const Points& points, int side);

// The same walk with its buffers kept from one walk to the next, for the search, which
// walks thousands of positions of one board.
class EdgeWalk {
 public:
  explicit EdgeWalk(const Grid& grid);
  void Walk(const Points& points, int side, EdgeDistances& distances);

 private:
  void From(const std::vector<int>& edge, std::vector<int>& distance);

  const Grid& grid_;
  std::array<std::vector<int>, 2> firstEdge_;  // the cells of each side's edges
  std::array<std::vector<int>, 2> secondEdge_;
  std::vector<signed char> cost_;  // a point's cost to the side walking: 0, 1, or -1 (closed)
  std::vector<int> queue_;         // the walk's ring of points, a power of two long
};

}  // namespace vorn::engine
