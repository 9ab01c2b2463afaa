// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer's rating against the step-by-step one of reference_rating.h, on positions of
// seeded random play over every board size and shape, from preset layouts, and with the
// influence map drifted far and pinned at its bounds: the deciding cell, every Influence
// value after the rating, the bridge records and the group tables; and with them the win
// tests and a spread from a random cell. The play runs through 100,000 positions (fewer in a
// build that says so) and one in VORN_RATING_SAMPLE of them is compared (25 unless set; 1
// compares every one).
#include <gtest/gtest.h>

#include <iostream>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "computer/computer_move.h"
#include "computer/move_choice.h"
#include "game_fixture.h"
#include "play/influence.h"
#include "play/preset.h"
#include "play/wins.h"
#include "reference_rating.h"
#include "support/environment.h"

#ifndef VORN_RATING_POSITIONS
#define VORN_RATING_POSITIONS 100000
#endif

namespace vorn::testing {
namespace {

// All the state a rating reads or writes.
struct Tables {
  PerCell<Integer> owners = CellOwner, cellGroups = CellGroup, influence = Influence;
  PerSide<PerCell<std::string>> groups = Groups;
  PerSide<Integer> groupCounts = GroupCount;
  PerCell<std::string> bridges = Bridges;
  Integer bridgeCount = BridgeCount;

  void Restore() const {
    CellOwner = owners;
    CellGroup = cellGroups;
    Influence = influence;
    Groups = groups;
    GroupCount = groupCounts;
    Bridges = bridges;
    BridgeCount = bridgeCount;
  }

  // The first difference from `other`, in words; empty when there is none.
  std::string Difference(const Tables& other) const {
    auto at = [](const char* what, int index) {
      return std::string(what) + " " + std::to_string(index);
    };
    for (Integer side = 0; side <= 1; ++side) {
      if (groupCounts[side] != other.groupCounts[side]) return at("GroupCount", side);
      for (Integer slot = 1; slot <= groupCounts[side]; ++slot) {
        if (groups[side][slot] != other.groups[side][slot]) return at("Groups slot", slot);
      }
    }
    if (bridgeCount != other.bridgeCount) return "BridgeCount";
    for (Integer k = 1; k <= bridgeCount; ++k) {
      if (bridges[k] != other.bridges[k]) return at("bridge record", k);
    }
    for (Integer cell = 1; cell <= CellCount; ++cell) {
      if (owners[cell] != other.owners[cell]) return at("CellOwner", cell);
      if (cellGroups[cell] != other.cellGroups[cell]) return at("CellGroup", cell);
      if (influence[cell] != other.influence[cell]) {
        return at("Influence", cell) + ": " + std::to_string(influence[cell]) + " against " +
               std::to_string(other.influence[cell]);
      }
    }
    return "";
  }
};

class RatingDifferentialTest : public GameTest {
 protected:
  int Pick(int low, int high) { return std::uniform_int_distribution<>(low, high)(random_); }

  Integer RandomEmptyCell() {
    for (;;) {
      const auto cell = static_cast<Integer>(Pick(1, CellCount));
      if (CellOwner[cell] == -1) return cell;
    }
  }

  // A new board of a random size and shape; sometimes the map is first drifted far, with
  // many values pinned at the bounds, and the game starts from a preset layout (never a full
  // board) or with the computer's opening.
  void NewRandomBoard() {
    Board(static_cast<Integer>(5 + boardSize_(random_)), Pick(0, 1) == 0);
    if (Pick(0, 4) == 0) {
      for (Integer cell = 0; cell <= kLastSlot; ++cell) {
        const int kind = Pick(0, 9);
        Influence[cell] = kind == 0   ? std::numeric_limits<Integer>::max()
                          : kind == 1 ? std::numeric_limits<Integer>::min()
                                      : static_cast<Integer>(Pick(-32768, 32767));
      }
    }
    if (Pick(0, 2) == 0) {
      Presetx_Click();
      for (int stones = Pick(1, CellCount * 3 / 5); stones > 0; --stones) {
        Click(RandomEmptyCell(), Pick(0, 1) == 0 ? kLeftButton : kRightButton);
      }
      StartPreset_Click();
    } else if (SquareBoard == Yes && Pick(0, 3) == 0) {
      Click(1, kRightButton);
    }
  }

  // The rating, the win tests and a spread, each done both ways on the position as it is;
  // the position is left as it was. Returns what differed, if anything.
  std::string Compare() {
    const Tables before;
    Integer fast = 0;
    RateCells(fast);
    const Tables rated;
    before.Restore();
    Integer stepByStep = 0;
    reference::RateCells(stepByStep);
    std::string difference =
        fast != stepByStep
            ? "deciding cell " + std::to_string(fast) + " against " + std::to_string(stepByStep)
            : rated.Difference(Tables());
    before.Restore();
    for (Integer side = 0; side <= 1 && difference.empty(); ++side) {
      Integer result[2] = {0, 0}, group[2] = {0, 0};
      CheckWin(result[0], side, group[0]);
      reference::CheckWin(result[1], side, group[1]);
      if (result[0] != result[1] || (result[0] == kWon && group[0] != group[1])) {
        difference = "win test of side " + std::to_string(side);
      }
    }
    // Picked apart from the play, so the positions played do not depend on the sampling.
    const auto from = static_cast<Integer>(std::uniform_int_distribution<>(1, CellCount)(spreads_));
    const Single start = spreads_() % 2 == 0 ? 100.0F : -100.0F;
    SpreadInfluence(from, start);
    const Tables spread;
    before.Restore();
    reference::SpreadInfluence(from, start);
    if (difference.empty()) difference = spread.Difference(Tables());
    before.Restore();
    return difference;
  }

  std::mt19937 random_{20240611};
  std::mt19937 spreads_{20240612};
  // Games on a board of n columns are picked in proportion to 1 / n^4: a game has about n^2
  // positions, and the step-by-step rating of one costs about n^4, so each size takes about
  // the same time (some 1,500 positions on boards of 21 columns in 100,000).
  std::discrete_distribution<int> boardSize_ = [] {
    std::vector<double> weights;
    for (int n = 5; n <= 21; ++n) weights.push_back(1.0 / (n * n * n * n));
    return std::discrete_distribution<int>(weights.begin(), weights.end());
  }();
};

TEST_F(RatingDifferentialTest, FastRatingEqualsTheStepByStepOneOnSeededRandomPlay) {
  const auto interval = static_cast<long>(EnvNumber("VORN_RATING_SAMPLE", 25, 1));
  std::cout << "comparing one position in " << interval << " of " << VORN_RATING_POSITIONS
            << " (VORN_RATING_SAMPLE=1 compares all)\n";
  NewRandomBoard();
  for (long position = 0; position < VORN_RATING_POSITIONS; ++position) {
    if (position % interval == 0) {
      ASSERT_EQ(Compare(), "") << "position " << position << ", board " << BoardSize
                               << (SquareBoard == Yes ? " square" : " short");
    }
    if (LowestEmptyCell() == 0) {
      NewRandomBoard();
      continue;
    }
    Click(RandomEmptyCell(), Pick(0, 9) == 0 ? kMiddleButton : kLeftButton);
    if (Stones() == 0) NewRandomBoard();  // the click won, and a fresh board stands
  }
}

}  // namespace
}  // namespace vorn::testing
