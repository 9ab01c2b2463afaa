// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The influence map is never cleared, so a program that runs long enough drives it to its
// bounds. It must stay pinned there, and play must go on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>

#include "computer/computer_move.h"
#include "computer/stone_placement.h"
#include "game/headless_window.h"
#include "game/start_up.h"
#include "play/game_commands.h"
#include "play/influence.h"
#include "play/mouse_input.h"
#include "support/invariants.h"

namespace vorn::testing {
namespace {

constexpr Integer kLowest = std::numeric_limits<Integer>::min();
constexpr Integer kHighest = std::numeric_limits<Integer>::max();

class LongRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetModuleState();
    AttachWindow(&window);
    Form_Load();
    for (int step = 0; step < 6; ++step) Decreasex_Click();  // the 5 x 5 board
  }
  void TearDown() override { AttachWindow(nullptr); }

  HeadlessWindow window;
};

TEST_F(LongRunTest, AMillionSpreadsOfOneSignPinTheWholeBoardAtTheBound) {
  PlaceStone(13, 0);
  for (int spread = 0; spread < 1'000'000; ++spread) SpreadInfluence(13, 100);
  for (Integer cell = 1; cell <= CellCount; ++cell) EXPECT_EQ(Influence[cell], kHighest) << cell;
  // And back down to the other bound, 13,107 spreads of at least -5 being enough.
  for (int spread = 0; spread < 20'000; ++spread) SpreadInfluence(13, -100);
  for (Integer cell = 1; cell <= CellCount; ++cell) EXPECT_EQ(Influence[cell], kLowest) << cell;
}

// Games that open with the computer's stone drive the map downwards. Started close to the
// bounds, a long series of them pins cells at the bound; a value that wrapped round would
// jump by far more than one click can add (only the 0 written at GREEN's last stone and at
// the opening cell moves a value further).
TEST_F(LongRunTest, ALongSeriesOfGamesNearTheBoundsKeepsTheMapPinnedAndPlayGoesOn) {
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    Influence[cell] = cell % 2 ? static_cast<Integer>(kLowest + 40) : static_cast<Integer>(kHighest - 40);
  }
  long games = 0;
  for (long click = 0; click < 60'000; ++click) {
    const PerCell<Integer> before = Influence;
    const Integer button = GameStarted == No ? kRightButton : kLeftButton;
    const Integer cell = LowestEmptyCell();
    const std::size_t messages = window.Messages().size();
    const TwipPoint middle = ClickBoxMiddle(cell);
    Form_MouseUp(button, 0, middle.x, middle.y);
    games += static_cast<long>(window.Messages().size() - messages);
    for (Integer c = 1; c <= CellCount; ++c) {
      if (Influence[c] == 0) continue;  // the cells of GREEN's stone and the opening are reset
      ASSERT_LT(std::abs(Influence[c] - before[c]), 2000) << "cell " << c << " after click " << click;
    }
  }
  ASSERT_TRUE(PositionFaults().empty());
  EXPECT_GT(games, 5000);
  int pinnedLow = 0;
  for (Integer cell = 1; cell <= CellCount; ++cell) pinnedLow += Influence[cell] == kLowest;
  EXPECT_GT(pinnedLow, 0);
}

}  // namespace
}  // namespace vorn::testing
