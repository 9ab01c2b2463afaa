// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The search: a tree of the moves tried from the position, grown one node at a time, and
// below it random games played to the full board. A move's worth mixes the games won after
// playing it with the games won in which the side played that cell at any later time (the
// cell's "all moves" statistics), which gather evidence for every cell from every game; a
// new node's cells start from a few imagined games whose result rates the cell by the
// shortest ways to the edges. Every number is an integer or an IEEE double of + - * / only,
// the random numbers come from the position itself, and nothing measures time, so a
// position gives the same cell wherever it is computed.
#include "engine/search.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

#include "engine/board.h"

namespace vorn::engine {

namespace {

// A cell's new node starts with this many imagined "all moves" games...
constexpr int kPriorGames = 20;
// ...of which it wins this many, plus kPriorBonus for each step it lies near the shortest
// ways of either side (up to four).
constexpr int kPriorWins = 7;
constexpr int kPriorBonus = 2;
// How many games must have passed through a move before it gets a node of its own.
constexpr int kExpandAfter = 4;
// The weight of the "all moves" statistics against the move's own games: it fades as the
// move's own games grow past about 1 / kAllMovesBias.
constexpr double kAllMovesBias = 1.0 / 2000.0;
// The frame's mark in GreenJoined's walk: above every game's stamp.
constexpr int kAlwaysReached = std::numeric_limits<int>::max();
// A point's rings of neighbours (RingOf) in one number: GREEN's in the low six bits, RED's
// in the six above them.
constexpr int kRingBits = 6;
constexpr unsigned kRing = 63;
// Memory bound for the tree: the moves of all its nodes together.
constexpr std::size_t kMaxMoves = std::size_t{1} << 19;  // 16 MB

// A small fast generator (splitmix64), seeded from the position.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint32_t Next() {
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
  }
  // A number in 0..count-1.
  int Below(int count) {
    return static_cast<int>((std::uint64_t{Next()} * static_cast<std::uint32_t>(count)) >> 32);
  }

 private:
  std::uint64_t state_;
};

std::uint64_t PositionHash(const Position& position) {
  std::uint64_t hash = 0xCBF29CE484222325ULL;  // FNV-1a
  auto mix = [&hash](std::uint64_t value) {
    hash ^= value;
    hash *= 0x100000001B3ULL;
  };
  mix(static_cast<std::uint64_t>(position.cellsPerRow));
  mix(static_cast<std::uint64_t>(position.rows));
  mix(static_cast<std::uint64_t>(position.toMove));
  for (signed char owner : position.owner) mix(static_cast<std::uint64_t>(owner + 2));
  return hash;
}

void CheckPosition(const Position& position) {
  const int n = position.cellsPerRow;
  if (n < 5 || n > 21) {
    throw std::invalid_argument("cells per row must be 5..21, not " + std::to_string(n));
  }
  if (position.rows != n && position.rows != n - 1) {
    throw std::invalid_argument("a board of " + std::to_string(n) + " cells a row has " +
                                std::to_string(n) + " or " + std::to_string(n - 1) +
                                " rows, not " + std::to_string(position.rows));
  }
  const std::size_t cells = static_cast<std::size_t>(n * position.rows);
  if (position.owner.size() != cells) {
    throw std::invalid_argument("the board has " + std::to_string(cells) + " cells but " +
                                std::to_string(position.owner.size()) + " owners were given");
  }
  for (std::size_t i = 0; i < cells; ++i) {
    const int owner = position.owner[i];
    if (owner < kEmpty || owner > kRed) {
      throw std::invalid_argument("cell " + std::to_string(i + 1) + " has owner " +
                                  std::to_string(owner) + "; owners are -1, 0 and 1");
    }
  }
  if (position.toMove != kGreen && position.toMove != kRed) {
    throw std::invalid_argument("the side to move is 0 or 1, not " +
                                std::to_string(position.toMove));
  }
}

Points PointsOf(const Grid& grid, const Position& position) {
  Points points = grid.EmptyPoints();
  for (int cell = 1; cell <= grid.cellCount(); ++cell) {
    points[grid.PointOf(cell)] = position.owner[cell - 1];
  }
  return points;
}

// One move of a node: what the games through it and after it have shown. Its cell and the
// node after it are kept apart (Search::movePoints_ and Search::moveNodes_): the statistics'
// update, which reads the cells of a node's moves one after another and these numbers of
// half of them, then walks through less memory.
struct Move {
  int games = 0;
  int wins = 0;  // for the side that plays the move
  int allMovesGames = 0;
  int allMovesWins = 0;
  double worth = 0;  // of the statistics above, kept up to date with them
};

// There is no separate exploration term: a move that is tried loses worth with each lost
// game, and the "all moves" statistics keep raising the moves that have not been tried but
// win when played later, so the search turns to them without one.
struct Node {
  int firstMove = 0;
  int moveCount = 0;
  int games = 0;
  int best = -1;  // the move of highest worth, the one the next game takes
};

struct Step {
  int node;
  int move;
  int side;
};

class Search {
 public:
  Search(const Position& position, int playouts)
      : grid_(position.cellsPerRow, position.rows),
        root_(PointsOf(grid_, position)),
        rootSide_(position.toMove),
        random_(PositionHash(position)),
        reached_(root_.size(), 0),
        rootSlot_(root_.size(), -1),
        rootRings_(root_.size(), 0) {
    for (int point = 0; point < grid_.pointCount(); ++point) {
      if (root_[point] == kEmpty) {
        rootSlot_[point] = static_cast<int>(rootEmpty_.size());
        rootEmpty_.push_back(point);
      }
      if ((grid_.EdgesOf(point) & kLeftEdge) != 0) leftEdge_.push_back(point);
      if (grid_.EdgesOf(point) == kFrame) {
        reached_[point] = kAlwaysReached;
        continue;
      }
      rootRings_[point] = static_cast<std::uint16_t>(
          RingOf(grid_, root_.data(), point, kGreen) |
          RingOf(grid_, root_.data(), point, kRed) << kRingBits);
    }
    const std::size_t empty = rootEmpty_.size();
    const std::size_t nodes = static_cast<std::size_t>(playouts / kExpandAfter) + 2;
    movesCapacity_ = std::min(kMaxMoves, std::max(empty, nodes * empty));
    moves_.reserve(movesCapacity_);
    movePoints_.reserve(movesCapacity_);
    moveNodes_.reserve(movesCapacity_);
    nodes_.reserve(std::min(nodes, movesCapacity_ + 1));
    stack_.resize(root_.size());
    filledMoves_.resize(root_.size());
  }

  int Run(int playouts) {
    if (rootEmpty_.empty()) return 0;
    if (int point = ForcedPoint(); point != 0) return grid_.CellOf(point);
    Expand(root_, rootSide_);
    for (int game = 0; game < playouts; ++game) PlayOne();
    return grid_.CellOf(movePoints_[BestRootMove()]);
  }

 private:
  // A cell that wins at once, or else one that stops the other side winning at once.
  int ForcedPoint() const {
    const std::vector<int> wins = WinningPoints(grid_, root_, rootSide_);
    if (!wins.empty()) return wins.front();
    const std::vector<int> threats = WinningPoints(grid_, root_, 1 - rootSide_);
    if (!threats.empty()) return threats.front();
    return 0;
  }

  int Expand(const Points& points, int side) {
    const int node = static_cast<int>(nodes_.size());
    EdgeDistances& own = ownDistances_;
    EdgeDistances& other = otherDistances_;
    edgeWalk_.Walk(points, side, own);
    edgeWalk_.Walk(points, 1 - side, other);
    const int ownShortest = Shortest(own, points);
    const int otherShortest = Shortest(other, points);
    Node created;
    created.firstMove = static_cast<int>(moves_.size());
    for (int point = 0; point < grid_.pointCount(); ++point) {
      if (points[point] != kEmpty) continue;
      const int nearness =
          Nearness(own, point, ownShortest) + Nearness(other, point, otherShortest);
      Move move;
      move.allMovesGames = kPriorGames;
      move.allMovesWins = kPriorWins + kPriorBonus * nearness;
      move.worth = Worth(move);
      if (created.best < 0 || move.worth > moves_[created.best].worth) {
        created.best = static_cast<int>(moves_.size());
      }
      moves_.push_back(move);
      movePoints_.push_back(static_cast<std::int16_t>(point));
      moveNodes_.push_back(-1);
    }
    created.moveCount = static_cast<int>(moves_.size()) - created.firstMove;
    nodes_.push_back(created);
    return node;
  }

  // The length of the shortest way through an empty cell, and the shortest of them all.
  static int Through(const EdgeDistances& distances, int point) {
    const int first = distances.fromFirst[point];
    const int second = distances.fromSecond[point];
    if (first < 0 || second < 0) return -1;
    return first + second - 1;
  }
  static int Shortest(const EdgeDistances& distances, const Points& points) {
    int shortest = -1;
    for (std::size_t point = 0; point < points.size(); ++point) {
      if (points[point] != kEmpty) continue;
      const int through = Through(distances, static_cast<int>(point));
      if (through >= 0 && (shortest < 0 || through < shortest)) shortest = through;
    }
    return shortest;
  }
  // 2 on a shortest way, 1 on a way one longer, else 0.
  static int Nearness(const EdgeDistances& distances, int point, int shortest) {
    const int through = Through(distances, point);
    if (through < 0) return 0;
    return std::max(0, 2 - (through - shortest));
  }

  void PlayOne() {
    work_ = root_;
    empty_ = rootEmpty_;
    slot_ = rootSlot_;
    rings_ = rootRings_;
    path_.clear();
    int side = rootSide_;
    int node = 0;
    int last = 0;
    for (;;) {
      const int move = nodes_[node].best;
      if (move < 0) break;
      const int point = movePoints_[move];
      path_.push_back({node, move, side});
      Take(point, side);
      last = point;
      side = 1 - side;
      if (moveNodes_[move] >= 0) {
        node = moveNodes_[move];
        continue;
      }
      if (moves_[move].games >= kExpandAfter &&
          moves_.size() + empty_.size() <= movesCapacity_) {
        const int created = Expand(work_, side);
        moveNodes_[move] = created;
      }
      break;
    }
    const int winner = PlayOut(side, last);
    Update(winner);
  }

  static double Worth(const Move& move) {
    const double games = move.games;
    const double allGames = move.allMovesGames;
    const double allMoves = move.allMovesWins / allGames;
    if (move.games == 0) return allMoves;
    const double weight = allGames / (allGames + games + allGames * games * kAllMovesBias);
    return (1.0 - weight) * (move.wins / games) + weight * allMoves;
  }

  void Take(int point, int side) {
    std::uint16_t* rings = rings_.data();
    const auto& around = grid_.around();
    const int shift = kRingBits * side;
    for (int k = 0; k < 6; ++k) {
      const int next = point + around[k];
      rings[next] = static_cast<std::uint16_t>(rings[next] | BackBit(k) << shift);
    }
    const int at = slot_[point];
    const int moved = empty_.back();
    empty_[at] = moved;
    slot_[moved] = at;
    empty_.pop_back();
    work_[point] = static_cast<signed char>(side);
  }

  // The playouts' one rule besides chance: when the other side has just played `intrusion`,
  // one of the two empty cells between two stones of `side` (or a stone and the side's own
  // edge, which the frame stands for), the other cell, which keeps them joined; else 0. The
  // first such cell in turn around the intrusion from up-left, read off the rings.
  int BridgeAnswer(int intrusion, int side) const {
    // A neighbour of neither side is empty or a corner of the frame; a corner next to a cell
    // lies between a point of GREEN's frame and one of RED's, so it never passes for a gap.
    const unsigned rings = rings_[intrusion];
    const unsigned empty = ~(rings | rings >> kRingBits) & kRing;
    const int gap = BridgeGap(rings >> (kRingBits * side) & kRing, empty);
    return gap < 0 ? 0 : intrusion + grid_.around()[gap];
  }

  // The rest of the game at random, except that a bridge is kept when the other side
  // intrudes; returns the winner.
  int PlayOut(int side, int last) {
    while (!empty_.empty()) {
      int point = last != 0 ? BridgeAnswer(last, side) : 0;
      if (point == 0) point = empty_[random_.Below(static_cast<int>(empty_.size()))];
      Take(point, side);
      last = point;
      side = 1 - side;
    }
    return GreenJoined() ? kGreen : kRed;
  }

  // Follows GREEN's chains from the left edge to the first stone on the right edge. The
  // frame counts as reached for good (kAlwaysReached), so that one test keeps the walk on
  // the board.
  bool GreenJoined() {
    ++stamp_;
    const signed char* work = work_.data();
    int* reached = reached_.data();
    int* stack = stack_.data();
    int top = 0;
    for (int point : leftEdge_) {
      if (work[point] != kGreen) continue;
      reached[point] = stamp_;
      stack[top++] = point;
    }
    const std::uint16_t* rings = rings_.data();
    const auto& around = grid_.around();
    while (top > 0) {
      const int point = stack[--top];
      if ((grid_.EdgesOf(point) & kRightEdge) != 0) return true;
      for (unsigned green = rings[point] & kRing; green != 0; green &= green - 1) {
        const int next = point + around[std::countr_zero(green)];
        if (reached[next] >= stamp_) continue;
        reached[next] = stamp_;
        stack[top++] = next;
      }
    }
    return false;
  }

  // The game's result into the statistics of every node it passed: the move it took there
  // and every move of the node whose cell the same side filled later on, the move taken
  // among them.
  void Update(int winner) {
    for (const Step& step : path_) {
      Node& node = nodes_[step.node];
      ++node.games;
      const int won = winner == step.side;
      const int filled = GatherFilled(node, step.side);
      Move& played = moves_[step.move];
      const double playedBefore = played.worth;
      ++played.games;
      played.wins += won;
      // The best of the changed moves, the first on a tie (they come in order).
      int best = -1;
      double bestWorth = 0;
      for (int k = 0; k < filled; ++k) {
        Move& move = moves_[filledMoves_[k]];
        ++move.allMovesGames;
        move.allMovesWins += won;
        move.worth = Worth(move);
        if (best < 0 || move.worth > bestWorth) {
          best = filledMoves_[k];
          bestWorth = move.worth;
        }
      }
      // The game followed the node's best move. If that move kept or gained worth, no move
      // left unchanged can have passed it, so the best of the changed ones is the best of
      // all; if it lost worth, every move is looked at again.
      node.best = played.worth >= playedBefore ? best : BestMove(node);
    }
  }

  // The node's moves whose cell `side` filled, into filledMoves_ in order; how many. They
  // are gathered without a branch: which they are is a coin toss for each, which a branch
  // would guess wrong half the time.
  int GatherFilled(const Node& node, int side) {
    const signed char* work = work_.data();
    const std::int16_t* movePoints = movePoints_.data();
    int filled = 0;
    for (int i = node.firstMove; i < node.firstMove + node.moveCount; ++i) {
      filledMoves_[filled] = i;
      filled += work[movePoints[i]] == side;
    }
    return filled;
  }

  // The node's move of highest worth, the first of them on a tie.
  int BestMove(const Node& node) const {
    int best = node.firstMove;
    double bestWorth = moves_[best].worth;
    for (int i = node.firstMove + 1; i < node.firstMove + node.moveCount; ++i) {
      if (moves_[i].worth > bestWorth) {
        best = i;
        bestWorth = moves_[i].worth;
      }
    }
    return best;
  }

  int BestRootMove() const {
    const Node& root = nodes_[0];
    int best = root.firstMove;
    for (int i = root.firstMove + 1; i < root.firstMove + root.moveCount; ++i) {
      const Move& move = moves_[i];
      const Move& leader = moves_[best];
      if (move.games > leader.games || (move.games == leader.games && move.wins > leader.wins)) {
        best = i;
      }
    }
    return best;
  }

  Grid grid_;
  Points root_;
  int rootSide_;
  std::vector<int> rootEmpty_;
  std::vector<int> leftEdge_;  // where GREEN's chains start
  EdgeWalk edgeWalk_{grid_};
  EdgeDistances ownDistances_;
  EdgeDistances otherDistances_;
  Random random_;
  std::vector<Node> nodes_;
  std::vector<Move> moves_;
  std::vector<std::int16_t> movePoints_;  // the cell (as a point) of each of moves_
  std::vector<int> moveNodes_;            // the node after each of moves_, -1 until it has one
  std::size_t movesCapacity_ = 0;
  // One game's working state.
  Points work_;
  std::vector<int> empty_;
  std::vector<int> slot_;  // where each empty point stands in empty_
  std::vector<int> filledMoves_;  // Update's moves of one node whose cell a side filled
  std::vector<Step> path_;
  std::vector<int> reached_;  // stamp_ where GreenJoined has been, the frame kAlwaysReached
  std::vector<int> rootSlot_;  // where each empty point stands in rootEmpty_
  // Each cell's rings of GREEN's and RED's neighbours (kRingBits), kept up to date by Take
  // so that a playout reads a bridge, and GreenJoined a chain, off at once.
  std::vector<std::uint16_t> rootRings_;
  std::vector<std::uint16_t> rings_;
  std::vector<int> stack_;
  int stamp_ = 0;
};

}  // namespace

int PlayoutBudget(Level level, int cellsPerRow) {
  if (cellsPerRow < 5 || cellsPerRow > 21) {
    throw std::invalid_argument("cells per row must be 5..21, not " + std::to_string(cellsPerRow));
  }
  // Games per move for 5..21 cells a row. A game of a small board is quick, so a small
  // board gets more of them. Measured natively on one 2.1 GHz core, a reply on an empty
  // board takes at most 0.09 s up to 11 cells a row and 0.12 s at 21 (WebAssembly and Wine
  // take about a third to a half longer). The hint is the strongest level there is, which
  // is Strong itself.
  static constexpr int kGames[17] = {40000, 30000, 24000, 20000, 16000, 14000, 12000, 13000,
                                     13000, 13000, 13000, 13000, 13000, 13000, 13000, 13000,
                                     13000};
  static_cast<void>(level);
  return kGames[cellsPerRow - 5];
}

int ChooseCell(const Position& position, int playouts) {
  CheckPosition(position);
  if (playouts < 1) {
    throw std::invalid_argument("a search needs at least one game, not " +
                                std::to_string(playouts));
  }
  Search search(position, playouts);
  return search.Run(playouts);
}

int FilledBoardWinner(const Position& position) {
  CheckPosition(position);
  const auto empty = std::find(position.owner.begin(), position.owner.end(), kEmpty);
  if (empty != position.owner.end()) {
    throw std::invalid_argument("cell " + std::to_string(empty - position.owner.begin() + 1) +
                                " is empty: the board is not filled");
  }
  const Grid grid(position.cellsPerRow, position.rows);
  return FilledBoardWinner(grid, PointsOf(grid, position));
}

int ShortestPathLength(const Position& position, int side) {
  CheckPosition(position);
  const Grid grid(position.cellsPerRow, position.rows);
  return ShortestPathLength(grid, PointsOf(grid, position), side);
}

}  // namespace vorn::engine
