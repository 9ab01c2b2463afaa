// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard's cell on the board: hidden at first, then moved by the arrows, Home and End
// within the board's rows.
#include <gtest/gtest.h>

#include "ui/win32/keyboard_focus.h"

namespace vorn::win32 {
namespace {

TEST(KeyboardFocusTest, FirstKeyShowsCellOneThenKeysMoveWithinTheBoard) {
  KeyboardFocus focus;
  EXPECT_EQ(focus.Cell(121), 0);  // hidden until a key
  focus.Move(FocusKey::kDown, 11, 11);
  EXPECT_EQ(focus.Cell(121), 1);
  focus.Move(FocusKey::kLeft, 11, 11);  // the edge holds it
  focus.Move(FocusKey::kUp, 11, 11);
  EXPECT_EQ(focus.Cell(121), 1);
  focus.Move(FocusKey::kRight, 11, 11);
  focus.Move(FocusKey::kDown, 11, 11);
  EXPECT_EQ(focus.Cell(121), 13);  // row 2, column 2
  focus.Move(FocusKey::kEnd, 11, 11);
  EXPECT_EQ(focus.Cell(121), 22);
  focus.Move(FocusKey::kRight, 11, 11);  // no wrap into the next row
  EXPECT_EQ(focus.Cell(121), 22);
  focus.Move(FocusKey::kHome, 11, 11);
  EXPECT_EQ(focus.Cell(121), 12);
}

TEST(KeyboardFocusTest, StaysOnBoardsOfOtherSizesAndShapes) {
  KeyboardFocus focus;
  focus.Move(FocusKey::kEnd, 5, 4);  // shown on cell 1
  for (int i = 0; i < 6; ++i) focus.Move(FocusKey::kDown, 5, 4);
  focus.Move(FocusKey::kEnd, 5, 4);
  EXPECT_EQ(focus.Cell(20), 20);  // the last cell of a board one row short
  EXPECT_EQ(focus.Cell(16), 1);   // beyond a smaller board: back on cell 1
  focus.Move(FocusKey::kRight, 4, 4);
  EXPECT_EQ(focus.Cell(16), 2);
}

}  // namespace
}  // namespace vorn::win32
