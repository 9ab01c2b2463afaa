// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings' text, and the board the settings build at start.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_fixture.h"
#include "play/settings.h"

namespace vorn::testing {
namespace {

TEST(SettingsText, ReadsWhatItWrites) {
  Settings settings;
  settings.level = "Strong";
  settings.boardSize = 7;
  settings.squareBoard = false;
  settings.markLastMove = true;
  const std::string text = FormatSettings(settings);
  EXPECT_EQ(text, "[Vorn]\nLevel=Strong\nBoardSize=7\nSquareBoard=0\nMarkLastMove=1\n");
  std::vector<std::string> problems;
  const Settings read = ParseSettings(text, problems);
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(read.level, "Strong");
  EXPECT_EQ(read.boardSize, 7);
  EXPECT_FALSE(read.squareBoard);
  EXPECT_TRUE(read.markLastMove);
}

TEST(SettingsText, EachBadSettingFallsBackAloneAndIsNamed) {
  std::vector<std::string> problems;
  const Settings read = ParseSettings(
      "; written by hand\r\n[Other]\nLevel=Nonsense\n[Vorn]\n Level = Hard \nBoardSize=22\n"
      "SquareBoard=0\nMarkLastMove=yes\nthis line is broken\nColour=1\n[Vorn\nBoardSize=9\n",
      problems);
  EXPECT_EQ(read.level, "Standard");
  EXPECT_EQ(read.boardSize, 11);
  EXPECT_FALSE(read.squareBoard);  // the good one is kept
  EXPECT_FALSE(read.markLastMove);
  const std::vector<std::string> expected{
      "line 5: unknown level \"Hard\": the levels are Standard and Strong; the default is kept",
      "line 6: BoardSize \"22\" is not a whole number from 5 to 21; the default is kept",
      "line 8: MarkLastMove \"yes\" is neither 0 nor 1; the default is kept",
      "line 9: not a setting (NAME=VALUE): \"this line is broken\"",
      "line 10: unknown setting \"Colour\"; the default is kept",
      "line 11: a section name without its closing \"]\""};
  EXPECT_EQ(problems, expected);
}

class BoardSettingsTest : public GameTest {};

TEST_F(BoardSettingsTest, TheDefaultsBuildNothingAndOthersTheirBoard) {
  const std::size_t drawn = window.Polygons().size();
  ApplyBoardSettings(Settings{});
  EXPECT_EQ(window.Polygons().size(), drawn);  // a first start stays as it is
  Settings settings;
  settings.boardSize = 5;
  settings.squareBoard = false;
  ApplyBoardSettings(settings);
  EXPECT_EQ(CellCount, 20);
  EXPECT_EQ(window.Caption(), "VORN SIZE 5");
  EXPECT_FALSE(window.MenuChecked(MenuItem::Squarex));
  EXPECT_FALSE(window.MenuEnabled(MenuItem::Decreasex));
  EXPECT_TRUE(window.MenuEnabled(MenuItem::Increasex));
  Settings kept;
  TakeBoardSettings(kept);
  EXPECT_EQ(kept.boardSize, 5);
  EXPECT_FALSE(kept.squareBoard);
}

}  // namespace
}  // namespace vorn::testing
