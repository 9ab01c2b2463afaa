// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/board.h"

#include <algorithm>
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
  for (int k = 0; k < 6; ++k) {
    bridges_[k] = {around_[k], around_[(k + 5) % 6], around_[(k + 1) % 6]};
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

namespace {

// A walk where an own stone costs nothing, an empty cell one, and the other side's stones
// and the frame cannot be entered; from every cell of `edge` that is open to the side. The
// points are taken a distance at a time: a stone reached joins the distance being walked,
// an empty cell the next one.
std::vector<int> DistancesFrom(const Grid& grid, const Points& points, int side, int edge) {
  std::vector<int> distance(points.size(), -1);
  std::vector<int> walking;
  std::vector<int> following;
  walking.reserve(points.size());
  following.reserve(points.size());
  auto open = [&](int point) {
    return points[point] == kEmpty || (points[point] == side && grid.EdgesOf(point) != kFrame);
  };
  auto reach = [&](int point, int through) {
    const bool stone = points[point] == side;
    const int length = through + (stone ? 0 : 1);
    if (distance[point] != -1 && distance[point] <= length) return;
    distance[point] = length;
    (stone ? walking : following).push_back(point);
  };
  for (int point = 0; point < grid.pointCount(); ++point) {
    if ((grid.EdgesOf(point) & edge) != 0 && open(point)) reach(point, 0);
  }
  for (int length = 0; !walking.empty() || !following.empty(); ++length) {
    for (std::size_t i = 0; i < walking.size(); ++i) {
      const int point = walking[i];
      if (distance[point] != length) continue;  // reached again by a shorter way
      for (int offset : grid.around()) {
        const int next = point + offset;
        if (open(next)) reach(next, length);
      }
    }
    walking.swap(following);
    following.clear();
  }
  return distance;
}

}  // namespace

EdgeDistances DistancesFromEdges(const Grid& grid, const Points& points, int side) {
  return {DistancesFrom(grid, points, side, Grid::FirstEdgeOf(side)),
          DistancesFrom(grid, points, side, Grid::SecondEdgeOf(side))};
}

int ShortestPathLength(const Grid& grid, const Points& points, int side) {
  const std::vector<int> distance =
      DistancesFrom(grid, points, side, Grid::FirstEdgeOf(side));
  int shortest = -1;
  for (int point = 0; point < grid.pointCount(); ++point) {
    if ((grid.EdgesOf(point) & Grid::SecondEdgeOf(side)) == 0 || distance[point] == -1) continue;
    if (shortest == -1 || distance[point] < shortest) shortest = distance[point];
  }
  return shortest;
}

}  // namespace vorn::engine
