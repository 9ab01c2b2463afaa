// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules of a sound trace, as the fuzz target checks them on every input: the recorded
// games keep them, and traces that break one are caught.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/fuzz/trace_invariants.h"

namespace vorn::testing {
namespace {

// The long traces are kept packed; the build unpacks them beside the tests.
TEST(ReplayTraceRules, EveryRecordedGameKeepsThem) {
  namespace fs = std::filesystem;
  int scripts = 0;
  int traces = 0;
  for (const char* folder : {VORN_REPLAY_GAMES, VORN_UNPACKED_TRACES}) {
    for (const auto& entry : fs::directory_iterator(folder)) {
      scripts += entry.path().extension() == ".script";
      if (entry.path().extension() != ".trace") continue;
      std::ifstream file(entry.path(), std::ios::binary);
      std::ostringstream text;
      text << file.rdbuf();
      EXPECT_EQ(TraceFault(text.str()), "") << entry.path();
      ++traces;
    }
  }
  EXPECT_EQ(traces, scripts) << "every recorded game has one trace, packed or not";
}

TEST(ReplayTraceRules, ABrokenTraceIsCaught) {
  const std::string board = "newgame 25\n";
  const std::string win = "message GREEN WON - click here to continue\n";
  EXPECT_EQ(TraceFault(board + "stone 0 5\nstone 1 6\n"), "");
  EXPECT_EQ(TraceFault(board + "stone 0 5\nstone 1 5\n"),
            "line 3 (stone 1 5): the cell already holds a stone");
  EXPECT_EQ(TraceFault(board + "stone 0 26\n"), "line 2 (stone 0 26): not a cell of the board");
  EXPECT_EQ(TraceFault(board + "stone 0 5\n" + win + "stone 1 5\n"),
            "line 4 (stone 1 5): a win is not followed by a fresh board");
  EXPECT_EQ(TraceFault(board + win), "the trace ends on a win, without a fresh board");
  EXPECT_EQ(TraceFault(board + "stone 0 5\n" + win + board + "stone 1 5\n"), "");
  // A dump on a board of 5 x 4 after GREEN's stone on cell 1.
  std::string empty19;
  for (int cell = 2; cell <= 20; ++cell) empty19 += " -1";
  const std::string played = "newgame 20\nstone 0 1\n";
  EXPECT_EQ(TraceFault(played + "state 5 0 20 0 1 0\nowner 0" + empty19 + "\n"), "");
  EXPECT_TRUE(TraceFault(played + "state 5 0 20 0 1 0\nowner -1" + empty19 + "\n")
                  .ends_with("): the dump's owners differ from the stones placed"));
  EXPECT_EQ(TraceFault(played + "state 5 1 20 0 1 0\n"),
            "line 3 (state 5 1 20 0 1 0): the dump shows another board");
}

}  // namespace
}  // namespace vorn::testing
