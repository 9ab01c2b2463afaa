// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Rules every trace of vorn-replay keeps, whatever the script: each stone lands on an empty
// cell of the board of the moment, a take-back empties cells that held stones, each win is
// followed by a fresh board, and a dump shows the board and owners that the lines before it
// built.
#pragma once

#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::testing {

class TraceChecker {
 public:
  // The first broken rule of `trace`, in words with its line; empty when the trace is sound.
  std::string FaultOf(std::string_view trace) {
    if (trace.empty()) return "the trace is empty: start-up builds a board";
    if (trace.back() != '\n') return "the last line of the trace is not complete";
    std::istringstream lines{std::string(trace)};
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
      const std::string fault = LineFault(line, number == 1);
      if (!fault.empty()) return "line " + std::to_string(number) + " (" + line + "): " + fault;
    }
    return winShown_ ? "the trace ends on a win, without a fresh board" : "";
  }

 private:
  std::string LineFault(const std::string& line, bool first) {
    std::istringstream tokens(line);
    std::string kind;
    tokens >> kind;
    if (first && kind != "newgame") return "the trace does not start with a board";
    if (winShown_ && kind != "newgame") return "a win is not followed by a fresh board";
    if (kind == "newgame") return NewBoard(tokens);
    if (kind == "stone") return Stone(tokens);
    if (kind == "undo") return Undo(tokens);
    if (kind == "message") {
      winShown_ = line.ends_with(" WON - click here to continue");
      return {};
    }
    if (kind == "state") return DumpedState(tokens);
    if (kind == "owner") return DumpedOwners(tokens);
    if (kind == "hint") return Hint(tokens);
    for (const char* other : {"disabled", "level", "influence", "groups", "moves", "bridges", "menus",
                              "indicator"}) {
      if (kind == other) return {};
    }
    return "not a line of a trace";
  }

  // A hint names an empty cell of the board, or none.
  std::string Hint(std::istringstream& tokens) {
    std::string cell;
    tokens >> cell;
    if (cell == "none") return {};
    const int number = std::atoi(cell.c_str());
    if (number < 1 || number > static_cast<int>(owners_.size())) return "a hint off the board";
    if (owners_[static_cast<std::size_t>(number - 1)] != -1) return "a hint on a stone";
    return {};
  }

  std::string NewBoard(std::istringstream& tokens) {
    int cells = 0;
    if (!(tokens >> cells) || cells < 5 * 4 || cells > 21 * 21) return "no board has so many cells";
    owners_.assign(static_cast<std::size_t>(cells), -1);
    winShown_ = false;
    return {};
  }

  std::string Stone(std::istringstream& tokens) {
    int side = -1;
    int cell = 0;
    tokens >> side >> cell;
    if (side != 0 && side != 1) return "no such side";
    if (cell < 1 || cell > static_cast<int>(owners_.size())) return "not a cell of the board";
    int& owner = owners_[static_cast<std::size_t>(cell - 1)];
    if (owner != -1) return "the cell already holds a stone";
    owner = side;
    return {};
  }

  std::string Undo(std::istringstream& tokens) {
    std::string word;
    for (bool first = true; tokens >> word; first = false) {
      if (first && word == "none") return tokens >> word ? "none is the only word" : "";
      const int cell = std::atoi(word.c_str());
      if (cell < 1 || cell > static_cast<int>(owners_.size())) return "not a cell of the board";
      int& owner = owners_[static_cast<std::size_t>(cell - 1)];
      if (owner == -1) return "the cell taken back holds no stone";
      owner = -1;
    }
    return {};
  }

  std::string DumpedState(std::istringstream& tokens) const {
    int size = 0;
    int square = 0;
    int cells = 0;
    tokens >> size >> square >> cells;
    const bool sameBoard = cells == static_cast<int>(owners_.size());
    return sameBoard && size * (size - 1 + square) == cells ? "" : "the dump shows another board";
  }

  std::string DumpedOwners(std::istringstream& tokens) const {
    std::vector<int> shown;
    for (int owner = 0; tokens >> owner;) shown.push_back(owner);
    return shown == owners_ ? "" : "the dump's owners differ from the stones placed";
  }

  std::vector<int> owners_;  // cell N at index N - 1: -1 empty, else the side of its stone
  bool winShown_ = false;
};

inline std::string TraceFault(std::string_view trace) { return TraceChecker().FaultOf(trace); }

}  // namespace vorn::testing
