// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The replay script parser: good lines become commands, bad lines a message naming the fault.
#include <gtest/gtest.h>

#include <string>

#include "tools/replay/script.h"

namespace vorn::replay {
namespace {

constexpr Integer kCells = 121;  // the start-up board

Command Parsed(const std::string& line) {
  const ParsedLine parsed = ParseLine(line, kCells);
  EXPECT_TRUE(parsed.ok()) << "line \"" << line << "\": " << parsed.error;
  return parsed.command;
}

// The message for a bad line; fails the test when the line is accepted.
std::string ErrorOf(const std::string& line, Integer cellCount = kCells) {
  const ParsedLine parsed = ParseLine(line, cellCount);
  EXPECT_FALSE(parsed.ok()) << "line \"" << line << "\" was accepted";
  return parsed.error;
}

TEST(ReplayScript, BlankAndCommentLinesDoNothing) {
  for (const char* line : {"", "   ", "\t \t", "#", "# up 1 0 x y", "   # indented comment",
                           "\t#tab"}) {
    EXPECT_EQ(Parsed(line).kind, CommandKind::Nothing) << "line \"" << line << "\"";
  }
}

TEST(ReplayScript, MouseUpTakesButtonShiftAndTwips) {
  const Command up = Parsed("up 2 1 405 -12.5");
  EXPECT_EQ(up.kind, CommandKind::MouseUp);
  EXPECT_EQ(up.button, 2);
  EXPECT_EQ(up.shift, 1);
  EXPECT_EQ(up.x, 405.0F);
  EXPECT_EQ(up.y, -12.5F);
}

TEST(ReplayScript, TokensAreSeparatedByRunsOfSpacesAndTabs) {
  const Command up = Parsed(" \tup  4\t\t0 \t 7.25   +8.  \t");
  EXPECT_EQ(up.kind, CommandKind::MouseUp);
  EXPECT_EQ(up.button, 4);
  EXPECT_EQ(up.shift, 0);
  EXPECT_EQ(up.x, 7.25F);
  EXPECT_EQ(up.y, 8.0F);
}

TEST(ReplayScript, TwipsAreRoundedToSinglePrecision) {
  // 0.1 has no exact binary value: it must be the nearest float, not a double cut down.
  EXPECT_EQ(Parsed("up 1 0 0.1 .5").x, 0.1F);
  EXPECT_EQ(Parsed("up 1 0 0.1 .5").y, 0.5F);
  EXPECT_EQ(Parsed("up 1 0 16777217 -0").x, 16777216.0F);
  EXPECT_EQ(Parsed("up 1 0 1 0.000000000000000000000000000000000000000000000001").y, 0.0F);
}

TEST(ReplayScript, ButtonAndShiftSpanThe16BitRange) {
  const Command low = Parsed("up -32768 +32767 0 0");
  EXPECT_EQ(low.button, -32768);
  EXPECT_EQ(low.shift, 32767);
}

TEST(ReplayScript, CellNamesACellOfTheBoard) {
  const Command first = Parsed("cell 1 0 1");
  EXPECT_EQ(first.kind, CommandKind::CellUp);
  EXPECT_EQ(first.button, 1);
  EXPECT_EQ(first.shift, 0);
  EXPECT_EQ(first.cell, 1);
  EXPECT_EQ(Parsed("cell 2 1 121").cell, 121);
  EXPECT_EQ(ParseLine("cell 1 0 20", 20).command.cell, 20);
}

TEST(ReplayScript, MenuNamesEveryCommandOfTheMenus) {
  const std::pair<const char*, MenuItem> names[] = {
      {"Restartx", MenuItem::Restartx},   {"Presetx", MenuItem::Presetx},
      {"StartPreset", MenuItem::StartPreset}, {"Squarex", MenuItem::Squarex},
      {"Increasex", MenuItem::Increasex}, {"Decreasex", MenuItem::Decreasex},
      {"Helpx", MenuItem::Helpx},         {"Aboutx", MenuItem::Aboutx},
      {"Exitx", MenuItem::Exitx}};
  for (const auto& [name, menu] : names) {
    const Command command = Parsed(std::string("menu ") + name);
    EXPECT_EQ(command.kind, CommandKind::Menu) << name;
    EXPECT_EQ(command.menu, menu) << name;
    EXPECT_STREQ(MenuItemName(menu), name);
  }
}

TEST(ReplayScript, DumpAndUndoTakeNothing) {
  EXPECT_EQ(Parsed("dump").kind, CommandKind::Dump);
  EXPECT_EQ(Parsed(" undo ").kind, CommandKind::Undo);
  EXPECT_EQ(ErrorOf("undo 2"), "undo takes no arguments, found 1");
}

TEST(ReplayScript, UnknownCommandsAreNamed) {
  EXPECT_EQ(ErrorOf("jump 1 2"),
            "unknown command \"jump\"; the commands are up, cell, menu, dump, undo, level and hint");
  EXPECT_EQ(ErrorOf("Dump"),
            "unknown command \"Dump\"; the commands are up, cell, menu, dump, undo, level and hint");
  // A '#' after the first token starts no comment.
  EXPECT_EQ(ErrorOf("dump # now"), "dump takes no arguments, found 2");
  // Control characters are shown in the message.
  EXPECT_EQ(ErrorOf("dump\v"),
            "unknown command \"dump\\x0B\"; the commands are up, cell, menu, dump, undo, level and hint");
  EXPECT_EQ(ErrorOf(std::string("du\0mp", 5)),
            "unknown command \"du\\x00mp\"; the commands are up, cell, menu, dump, undo, level and hint");
}

TEST(ReplayScript, WrongNumbersOfTokensAreNamed) {
  EXPECT_EQ(ErrorOf("up 1 0 100"), "up takes 4 arguments (B S X Y), found 3");
  EXPECT_EQ(ErrorOf("up 1 0 100 100 7"), "up takes 4 arguments (B S X Y), found 5");
  EXPECT_EQ(ErrorOf("up"), "up takes 4 arguments (B S X Y), found 0");
  EXPECT_EQ(ErrorOf("cell 1 0"), "cell takes 3 arguments (B S N), found 2");
  EXPECT_EQ(ErrorOf("cell 1 0 5 5"), "cell takes 3 arguments (B S N), found 4");
  EXPECT_EQ(ErrorOf("menu"), "menu takes 1 argument (NAME), found 0");
  EXPECT_EQ(ErrorOf("menu Restartx Exitx"), "menu takes 1 argument (NAME), found 2");
  EXPECT_EQ(ErrorOf("dump 1"), "dump takes no arguments, found 1");
}

TEST(ReplayScript, ButtonAndShiftMustBeWhole16BitNumbers) {
  EXPECT_EQ(ErrorOf("up 1.0 0 1 1"), "bad button \"1.0\": expected a whole number");
  EXPECT_EQ(ErrorOf("up left 0 1 1"), "bad button \"left\": expected a whole number");
  EXPECT_EQ(ErrorOf("up 1 - 1 1"), "bad shift \"-\": expected a whole number");
  EXPECT_EQ(ErrorOf("up 1 0x1 1 1"), "bad shift \"0x1\": expected a whole number");
  EXPECT_EQ(ErrorOf("up 1 1e2 1 1"), "bad shift \"1e2\": expected a whole number");
  EXPECT_EQ(ErrorOf("up 32768 0 1 1"), "button 32768 is outside the 16-bit range -32768..32767");
  EXPECT_EQ(ErrorOf("up 1 -32769 1 1"), "shift -32769 is outside the 16-bit range -32768..32767");
  EXPECT_EQ(ErrorOf("cell 99999999999999999999999 0 1"),
            "button 99999999999999999999999 is outside the 16-bit range -32768..32767");
  EXPECT_EQ(ErrorOf("cell 1 65536 1"), "shift 65536 is outside the 16-bit range -32768..32767");
}

TEST(ReplayScript, TwipsMustBePlainDecimals) {
  const std::string expected = ": expected a decimal number such as 405 or -12.5 (no exponent)";
  EXPECT_EQ(ErrorOf("up 1 0 1e3 5"), "bad x \"1e3\"" + expected);
  EXPECT_EQ(ErrorOf("up 1 0 5 2.5E1"), "bad y \"2.5E1\"" + expected);
  EXPECT_EQ(ErrorOf("up 1 0 . 5"), "bad x \".\"" + expected);
  EXPECT_EQ(ErrorOf("up 1 0 5 -"), "bad y \"-\"" + expected);
  EXPECT_EQ(ErrorOf("up 1 0 1.2.3 5"), "bad x \"1.2.3\"" + expected);
  EXPECT_EQ(ErrorOf("up 1 0 inf 5"), "bad x \"inf\"" + expected);
  EXPECT_EQ(ErrorOf("up 1 0 nan 5"), "bad x \"nan\"" + expected);
  EXPECT_EQ(ErrorOf("up 1 0 0x10 5"), "bad x \"0x10\"" + expected);
  EXPECT_EQ(ErrorOf("up 1 0 5 1,5"), "bad y \"1,5\"" + expected);
  EXPECT_EQ(ErrorOf("up 1 0 --5 5"), "bad x \"--5\"" + expected);
  const std::string huge(40, '9');
  EXPECT_EQ(ErrorOf("up 1 0 " + huge + " 5"),
            "x " + huge + " is too large for a single-precision number");
}

TEST(ReplayScript, CellMustBeOnTheBoard) {
  EXPECT_EQ(ErrorOf("cell 1 0 0"), "cell 0 is not on the board: its cells are 1..121");
  EXPECT_EQ(ErrorOf("cell 1 0 122"), "cell 122 is not on the board: its cells are 1..121");
  EXPECT_EQ(ErrorOf("cell 1 0 -5"), "cell -5 is not on the board: its cells are 1..121");
  EXPECT_EQ(ErrorOf("cell 1 0 21", 20), "cell 21 is not on the board: its cells are 1..20");
  EXPECT_EQ(ErrorOf("cell 1 0 99999999999999999999999"),
            "cell 99999999999999999999999 is not on the board: its cells are 1..121");
  EXPECT_EQ(ErrorOf("cell 1 0 5.0"), "bad cell number \"5.0\": expected a whole number");
}

TEST(ReplayScript, MenuMustNameACommand) {
  EXPECT_EQ(ErrorOf("menu Sizex"),
            "menu Sizex is a submenu, not a command; choose Squarex, Increasex or Decreasex");
  const std::string known =
      "; the menu items are Restartx, Presetx, StartPreset, Squarex, Increasex, Decreasex, "
      "Helpx, Aboutx, Exitx";
  EXPECT_EQ(ErrorOf("menu Vornx"), "unknown menu item \"Vornx\"" + known);
  EXPECT_EQ(ErrorOf("menu restartx"), "unknown menu item \"restartx\"" + known);
}

TEST(ReplayScript, AMessageShowsAtMost40CharactersOfAToken) {
  const std::string digits = "1234567890123456789012345678901234567890";
  const std::string cut = digits + "\u2026";
  const std::string huge = digits + std::string(10485760 - 40, '7');
  EXPECT_EQ(ErrorOf("up 1 0 1 1x" + huge),
            "bad y \"1x" + digits.substr(0, 38) + "\u2026\" (10485762 characters): expected a "
            "decimal number such as 405 or -12.5 (no exponent)");
  EXPECT_EQ(ErrorOf("up 1 " + huge + " 1 1"),
            "shift " + cut + " (10485760 characters) is outside the 16-bit range -32768..32767");
  EXPECT_EQ(ErrorOf("up 1 0 " + huge + " 1"),
            "x " + cut + " (10485760 characters) is too large for a single-precision number");
  EXPECT_EQ(ErrorOf("cell 1 0 " + huge),
            "cell " + cut + " (10485760 characters) is not on the board: its cells are 1..121");
  // Each byte is cut first and shown as \xNN after, so 41 NULs show as 40.
  std::string nulsShown;
  for (int i = 0; i < 40; ++i) nulsShown += "\\x00";
  EXPECT_EQ(ErrorOf(std::string(41, '\0')),
            "unknown command \"" + nulsShown + "\u2026\" (41 characters); the commands are up, "
            "cell, menu, dump, undo, level and hint");
  EXPECT_EQ(Quoted(digits), "\"" + digits + "\"");
}

}  // namespace
}  // namespace vorn::replay
