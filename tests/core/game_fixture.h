// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A fresh program on a headless window for each test: module state as at program start,
// then the main window's start-up.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/cell_lists.h"
#include "game/headless_window.h"
#include "game/observer.h"
#include "game/start_up.h"
#include "game/state.h"
#include "game/window_services.h"
#include "play/game_commands.h"

namespace vorn::testing {

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetModuleState();
    AttachWindow(&window);
    Form_Load();
  }
  void TearDown() override {
    AttachObserver(nullptr);
    AttachWindow(nullptr);
  }

  // A new board of the given size and shape, built the way the size commands build it.
  static void Board(Integer size, bool square) {
    BoardSize = size;
    SquareBoard = square ? Yes : No;
    Restartx_Click();
  }

  // Stones on the board, of either side.
  static int Stones() {
    int count = 0;
    for (Integer cell = 1; cell <= CellCount; ++cell) count += CellOwner[cell] != -1;
    return count;
  }

  HeadlessWindow window;
};

// The cell list of the given cells, in order: {5, 17} -> "005,017,".
inline std::string ListOf(const std::vector<int>& cells) {
  std::string list;
  for (int cell : cells) list += CellCode(cell) + ",";
  return list;
}

// Cell number of (row, column), both from 1.
inline Integer CellAt(int row, int column) {
  return static_cast<Integer>((row - 1) * BoardSize + column);
}

}  // namespace vorn::testing

#include "play/mouse_input.h"

namespace vorn::testing {

// A button release at the middle of a cell's click box.
inline void Click(Integer cell, Integer button = kLeftButton, Integer shift = 0) {
  const TwipPoint middle = ClickBoxMiddle(cell);
  Form_MouseUp(button, shift, middle.x, middle.y);
}

// Stones of a side laid straight into the tables, for positions play cannot build: each
// cell gets the owner and joins the given slot's list.
inline void LayChain(Integer side, Integer slot, const std::vector<int>& cells) {
  for (int cell : cells) {
    CellOwner[cell] = side;
    CellGroup[cell] = slot;
    Groups[side][slot] += CellCode(cell) + ",";
  }
  if (GroupCount[side] < slot) GroupCount[side] = slot;
}

}  // namespace vorn::testing
