// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The dump: every line and token in its fixed order, read from the module state and the window.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "game/state.h"
#include "tools/replay/dump.h"
#include "tools/replay/session.h"

namespace vorn::replay {
namespace {

std::string Tokens(const std::string& token, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += " " + token;
  return text;
}

class ReplayDump : public ::testing::Test {
 protected:
  void SetUp() override { ResetModuleState(); }
  void TearDown() override { ResetModuleState(); }

  HeadlessWindow window;
};

TEST_F(ReplayDump, WritesEveryPartOfTheStateInOrder) {
  BoardSize = 5;
  SquareBoard = Yes;
  CellCount = 4;  // only cells 1..CellCount are dumped
  SideToMove = 1;
  GameStarted = Yes;
  PresetMode = No;
  const Integer owners[] = {-1, 0, 1, -1, 0};
  const Integer values[] = {0, -65, 999, -32768, 32767};
  for (Integer cell = 1; cell <= 5; ++cell) {
    CellOwner[cell] = owners[cell - 1];
    Influence[cell] = values[cell - 1];
  }
  GroupCount[0] = 2;
  Groups[0][2] = "002,";  // slot 1 was emptied by a merge
  Groups[0][3] = "005,";  // beyond GroupCount: not dumped
  GroupCount[1] = 1;
  Groups[1][1] = "003,";
  BridgeCount = 2;
  Bridges[1] = "004,001&002";
  Bridges[2] = "001,002&003";
  PlayerMoves[0] = {17, 2};
  PlayerMoves[1] = {3};
  window.SetMenuEnabled(MenuItem::Sizex, false);
  window.SetMenuEnabled(MenuItem::Decreasex, false);
  window.SetMenuChecked(MenuItem::Squarex, false);
  window.SetIndicatorColor(0, 0xC0C0C0);
  window.SetIndicatorColor(1, 0x800000);

  EXPECT_EQ(FormatDump(window),
            "state 5 1 4 1 1 0\n"
            "owner -1 0 1 -1\n"
            "influence 0 -65 999 -32768\n"
            "groups 0 - 002,\n"
            "groups 1 003,\n"
            "moves 0 017 002\n"
            "moves 1 003\n"
            "bridges 004,001&002 001,002&003\n"
            "menus 1 1 1 0 1 1 0 0\n"
            "indicator c0c0c0 800000\n");
}

TEST_F(ReplayDump, EmptyListsLeaveOnlyTheirLabels) {
  BoardSize = 5;
  SquareBoard = No;
  CellCount = 1;
  CellOwner[1] = -1;
  window.SetMenuChecked(MenuItem::Squarex, true);
  window.SetIndicatorColor(0, 0x008000);
  window.SetIndicatorColor(1, 0x000000);
  EXPECT_EQ(FormatDump(window),
            "state 5 0 1 0 0 0\n"
            "owner -1\n"
            "influence 0\n"
            "groups 0\n"
            "groups 1\n"
            "moves 0\n"
            "moves 1\n"
            "bridges\n"
            "menus 1 1 1 1 1 1 1 1\n"
            "indicator 008000 000000\n");
}

TEST(ReplayDumpAfterStartUp, ShowsAnEmpty11By11BoardWithGreenToMove) {
  TextSource script("dump\n");
  std::ostringstream trace;
  std::ostringstream errors;
  ASSERT_EQ(RunScript(script, trace, errors), kExitSuccess);
  const std::string owners = "owner" + Tokens("-1", 121) + "\n";
  const std::string influence = "influence" + Tokens("0", 121) + "\n";
  EXPECT_EQ(trace.str(), "newgame 121\n"
                         "state 11 1 121 0 0 0\n" +
                         owners + influence +
                         "groups 0\n"
                         "groups 1\n"
                         "moves 0\n"
                         "moves 1\n"
                         "bridges\n"
                         "menus 1 1 0 1 1 1 1 1\n"
                         "indicator 008000 c0c0c0\n");
}

}  // namespace
}  // namespace vorn::replay
