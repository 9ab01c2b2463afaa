// A fresh program on a headless window for each test: module state as at program start,
// then the main window's start-up.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/cell_lists.h"
#include "game/headless_window.h"
#include "game/start_up.h"
#include "game/state.h"
#include "game/window_services.h"

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
