// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/board.h"

#include <algorithm>
#include <bit>
#include <stdexcept>
#include <string>

namespace vorn::engine {

Grid::Grid(int cellsPerRow, int rows)
    : cellsPerRow_(cellsPerRow),
      rows_(rows),
      width_(cellsPerRow + 2),
      around_{-width_ - 1, -width_, 1, width_ + 1, width_, -1},
      cellOf_(static_cast<std::size_t>((rows + 2) * (cellsPerRow + 2)), 0),
      edges_(cellOf_.size(), kFrame) {
  if (cellsPerRow < 1 || rows < 1) {
    throw std::invalid_argument("a board needs at least one cell, not " +
                                std::to_string(cellsPerRow) + " x " + std::to_string(rows));
  }
  for (int row = 1; row <= rows_; ++row) {
    for (int column = 1; column <= cellsPerRow_; ++column) {
      const int point = row * width_ + column;
      cellOf_[point] = (row - 1) * cellsPerRow_ + column;
      int edges = 0;
      if (column == 1) edges |= kLeftEdge;
      if (column == cellsPerRow_) edges |= kRightEdge;
      if (row == 1) edges |= kTopEdge;
      if (row == rows_) edges |= kBottomEdge;
      edges_[point] = edges;
    }
  }
}

int Grid::PointOf(int cell) const {
  const int row = (cell - 1) / cellsPerRow_ + 1;
  const int column = (cell - 1) % cellsPerRow_ + 1;
  return row * width_ + column;
}

std::array<int, 6> Grid::NeighbourCells(int cell) const {
  const int point = PointOf(cell);
  const int gameOrder[6] = {0, 3, 1, 4, 5, 2};  // positions in `around_`
  std::array<int, 6> cells{};
  for (int k = 0; k < 6; ++k) cells[k] = cellOf_[point + around_[gameOrder[k]]];
  return cells;
}

Points Grid::EmptyPoints() const {
  Points points(cellOf_.size(), kEmpty);
  const int lastRow = rows_ + 1;
  for (int row = 0; row <= lastRow; ++row) {
    for (int column = 0; column <= cellsPerRow_ + 1; ++column) {
      const bool frameRow = row == 0 || row == lastRow;
      const bool frameColumn = column == 0 || column == cellsPerRow_ + 1;
      signed char owner = kEmpty;
      if (frameRow && frameColumn) {
        owner = kNobody;
      } else if (frameRow) {
        owner = kRed;
      } else if (frameColumn) {
        owner = kGreen;
      }
      points[row * width_ + column] = owner;
    }
  }
  return points;
}

namespace {

// Marks every cell of `side` joined by its stones to a cell of `side` on `edge`.
std::vector<char> ChainsFromEdge(const Grid& grid, const Points& points, int side, int edge) {
  std::vector<char> reached(points.size(), 0);
  std::vector<int> stack;
  for (int point = 0; point < grid.pointCount(); ++point) {
    if ((grid.EdgesOf(point) & edge) != 0 && points[point] == side) {
      reached[point] = 1;
      stack.push_back(point);
    }
  }
  while (!stack.empty()) {
    const int point = stack.back();
    stack.pop_back();
    for (int offset : grid.around()) {
      const int next = point + offset;
      if (reached[next] || points[next] != side || grid.EdgesOf(next) == kFrame) continue;
      reached[next] = 1;
      stack.push_back(next);
    }
  }
  return reached;
}

bool TouchesOrLiesOn(const Grid& grid, const std::vector<char>& chains, int point, int edge) {
  if ((grid.EdgesOf(point) & edge) != 0) return true;
  for (int offset : grid.around()) {
    if (chains[point + offset]) return true;
  }
  return false;
}

}  // namespace

int FilledBoardWinner(const Grid& grid, const Points& points) {
  const std::vector<char> chains = ChainsFromEdge(grid, points, kGreen, kLeftEdge);
  for (int point = 0; point < grid.pointCount(); ++point) {
    if (chains[point] && (grid.EdgesOf(point) & kRightEdge) != 0) return kGreen;
  }
  return kRed;
}

std::vector<int> WinningPoints(const Grid& grid, const Points& points, int side) {
  const int first = Grid::FirstEdgeOf(side);
  const int second = Grid::SecondEdgeOf(side);
  const std::vector<char> fromFirst = ChainsFromEdge(grid, points, side, first);
  const std::vector<char> fromSecond = ChainsFromEdge(grid, points, side, second);
  std::vector<int> winning;
  for (int point = 0; point < grid.pointCount(); ++point) {
    if (points[point] != kEmpty) continue;
    if (TouchesOrLiesOn(grid, fromFirst, point, first) &&
        TouchesOrLiesOn(grid, fromSecond, point, second)) {
      winning.push_back(point);
    }
  }
  return winning;
}

EdgeWalk::EdgeWalk(const Grid& grid)
    : grid_(grid),
      cost_(static_cast<std::size_t>(grid.pointCount()), -1),
      queue_(std::bit_ceil(2 * cost_.size())) {
  for (int point = 0; point < grid.pointCount(); ++point) {
    for (int side : {kGreen, kRed}) {
      if ((grid.EdgesOf(point) & Grid::FirstEdgeOf(side)) != 0) firstEdge_[side].push_back(point);
      if ((grid.EdgesOf(point) & Grid::SecondEdgeOf(side)) != 0) {
        secondEdge_[side].push_back(point);
      }
    }
  }
}

void EdgeWalk::Walk(const Points& points, int side, EdgeDistances& distances) {
  for (std::size_t point = 0; point < points.size(); ++point) {
    const signed char owner = points[point];
    signed char step = -1;
    if (grid_.EdgesOf(static_cast<int>(point)) != kFrame) {
      if (owner == kEmpty) step = 1;
      if (owner == side) step = 0;
    }
    cost_[point] = step;
  }
  From(firstEdge_[side], distances.fromFirst);
  From(secondEdge_[side], distances.fromSecond);
}

// A walk where an own stone costs nothing, an empty cell one, and the other side's stones
// and the frame cannot be entered; from every cell of the edge that is open to the side.
// Points of the length being walked are taken from the front of a double-ended queue and
// those one longer from its back (a ring, which never holds more than two entries a point:
// a point is only ever reached again by a way one shorter).
void EdgeWalk::From(const std::vector<int>& edge, std::vector<int>& distance) {
  distance.assign(cost_.size(), -1);
  int* length = distance.data();
  const signed char* cost = cost_.data();
  int* queue = queue_.data();
  const unsigned mask = static_cast<unsigned>(queue_.size()) - 1;
  unsigned head = 0;
  unsigned tail = 0;
  auto reach = [&](int point, int through) {
    const int step = cost[point];
    const int reached = through + step;
    // Unreached (-1) reads as the largest length.
    if (step < 0 || static_cast<unsigned>(length[point]) <= static_cast<unsigned>(reached)) {
      return;
    }
    length[point] = reached;
    if (step == 0) {
      queue[--head & mask] = point;
    } else {
      queue[tail++ & mask] = point;
    }
  };
  for (int point : edge) reach(point, 0);
  const std::array<int, 6>& around = grid_.around();
  while (head != tail) {
    const int point = queue[head++ & mask];
    const int through = length[point];
    for (int offset : around) reach(point + offset, through);
  }
}

EdgeDistances DistancesFromEdges(const Grid& grid, const Points& points, int side) {
  EdgeWalk walk(grid);
  EdgeDistances distances;
  walk.Walk(points, side, distances);
  return distances;
}

int ShortestPathLength(const Grid& grid, const Points& points, int side) {
  const EdgeDistances distances = DistancesFromEdges(grid, points, side);
  int shortest = -1;
  for (int point = 0; point < grid.pointCount(); ++point) {
    const int length = distances.fromFirst[point];
    if ((grid.EdgesOf(point) & Grid::SecondEdgeOf(side)) == 0 || length == -1) continue;
    if (shortest == -1 || length < shortest) shortest = length;
  }
  return shortest;
}

}  // namespace vorn::engine
