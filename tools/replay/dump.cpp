// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Formatting the dump.
#include "tools/replay/dump.h"

#include <cstdio>

#include "game/cell_lists.h"
#include "game/state.h"

namespace vorn::replay {

namespace {

// Builds one line of tokens separated by single spaces. Every token is non-empty (an empty
// text is written as "-"), so a reader can always split a line on spaces.
class Line {
 public:
  explicit Line(const std::string& label) : text_(label) {}
  Line& operator<<(const std::string& token) {
    text_ += ' ';
    text_ += token.empty() ? "-" : token;
    return *this;
  }
  Line& operator<<(long long number) { return *this << std::to_string(number); }
  std::string str() const { return text_ + '\n'; }

 private:
  std::string text_;
};

long long Flag(Integer flag) { return flag == Yes ? 1 : 0; }

std::string StateLine() {
  return (Line("state") << BoardSize << Flag(SquareBoard) << CellCount << SideToMove
                        << Flag(GameStarted) << Flag(PresetMode))
      .str();
}

std::string PerCellLine(const std::string& label, const PerCell<Integer>& values) {
  Line line(label);
  for (Integer cell = 1; cell <= CellCount; ++cell) line << values[cell];
  return line.str();
}

std::string GroupsLine(Integer side) {
  Line line("groups " + std::to_string(side));
  for (Integer slot = 1; slot <= GroupCount[side]; ++slot) line << Groups[side][slot];
  return line.str();
}

std::string MovesLine(Integer side) {
  Line line("moves " + std::to_string(side));
  for (const Integer cell : PlayerMoves[side]) line << CellCode(cell);
  return line.str();
}

std::string BridgesLine() {
  Line line("bridges");
  for (Integer k = 1; k <= BridgeCount; ++k) line << Bridges[k];
  return line.str();
}

std::string MenusLine(const HeadlessWindow& window) {
  Line line("menus");
  for (const MenuItem item : kGameMenuItems) line << (window.MenuEnabled(item) ? 1 : 0);
  line << (window.MenuChecked(MenuItem::Squarex) ? 1 : 0);
  return line.str();
}

std::string RrGgBb(Color color) {
  char text[8];
  std::snprintf(text, sizeof text, "%06x", static_cast<unsigned>(color));
  return text;
}

std::string IndicatorLine(const HeadlessWindow& window) {
  Line line("indicator");
  line << RrGgBb(window.IndicatorColor(0)) << RrGgBb(window.IndicatorColor(1));
  return line.str();
}

}  // namespace

std::string FormatDump(const HeadlessWindow& window) {
  return StateLine() + PerCellLine("owner", CellOwner) + PerCellLine("influence", Influence) +
         GroupsLine(0) + GroupsLine(1) + MovesLine(0) + MovesLine(1) +
         BridgesLine() + MenusLine(window) + IndicatorLine(window);
}

}  // namespace vorn::replay
