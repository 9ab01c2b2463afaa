// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The board's scale: the monitor's own where the board fits at it, else the largest that fits.
#include <gtest/gtest.h>

#include "ui/win32/board_fit.h"

namespace vorn::win32 {
namespace {

TEST(BoardFitTest, BoardThatFitsKeepsTheMonitorsScale) {
  // 486 x 250 at 200 % is 972 x 500; at 100 %, 486 x 250.
  EXPECT_EQ(BoardScale({486, 250, 1000, 700, 192}), 2.0);
  EXPECT_EQ(BoardScale({486, 250, 1000, 700, 96}), 1.0);
  // Exactly as large as the room still fits.
  EXPECT_EQ(BoardScale({800, 500, 1600, 1000, 192}), 2.0);
  // A room larger than needed never draws the board larger than the monitor's scale.
  EXPECT_EQ(BoardScale({400, 200, 4000, 4000, 144}), 1.5);
}

TEST(BoardFitTest, BoardTooLargeTakesTheLargestScaleThatFits) {
  // 1000 x 500 at 200 % would be 2000 x 1000: the width allows 1500 / 1000.
  EXPECT_EQ(BoardScale({1000, 500, 1500, 1100, 192}), 1.5);
  // 400 x 800: the height allows 1000 / 800.
  EXPECT_EQ(BoardScale({400, 800, 1500, 1000, 192}), 1.25);
  // Too large in both: the tighter of 700 / 800 and 400 / 500.
  EXPECT_EQ(BoardScale({800, 500, 700, 400, 96}), 0.8);
  // No room to speak of: the smallest scale there is.
  EXPECT_EQ(BoardScale({800, 500, 40, -10, 192}), kSmallestBoardScale);
}

}  // namespace
}  // namespace vorn::win32
