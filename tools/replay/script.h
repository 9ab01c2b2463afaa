// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The replay script: one command per line. A line is parsed on its own into a command or a
// message that says what is wrong with it; running the commands is the session's business.
//
//   up B S X Y     a mouse-button release at X, Y twips (button B, modifier mask S)
//   cell B S N     the same at the middle of cell N's click box
//   menu NAME      choose a menu command (Restartx, Presetx, StartPreset, Squarex,
//                  Increasex, Decreasex, Helpx, Aboutx, Exitx)
//   dump           print the whole game state
//   level NAME     set the computer's level (Standard, Strong)
//   hint           ask for GREEN's hint and print it
//   undo           take back the last click that placed stones
//
// Blank lines and lines whose first non-blank character is '#' are ignored. Tokens are
// separated by runs of spaces or tabs. How lines end is the line reader's business
// (tools/replay/line_reader.h).
#pragma once

#include <string>
#include <string_view>

#include "computer/levels.h"
#include "game/runtime.h"
#include "game/window_services.h"

namespace vorn::replay {

// A text in double quotes as messages show it: unprintable bytes as \xNN, and a text longer
// than 40 characters cut there, with its full length given ("\"1234…\" (10485760 characters)").
std::string Quoted(std::string_view text);

enum class CommandKind {
  Nothing,  // a blank line or a comment
  MouseUp,  // `up`: button, shift, x, y
  CellUp,   // `cell`: button, shift, cell
  Menu,     // `menu`: menu
  Dump,     // `dump`
  Level,    // `level`: level
  Hint,     // `hint`
  Undo,     // `undo`
};

struct Command {
  CommandKind kind = CommandKind::Nothing;
  Integer button = 0;
  Integer shift = 0;
  Single x = 0;
  Single y = 0;
  Integer cell = 0;
  MenuItem menu = MenuItem::Restartx;  // never Sizex, a submenu that chooses nothing
  Level level = Level::Standard;
};

// A parsed line: the command, or, when `error` is not empty, what is wrong with the line.
struct ParsedLine {
  Command command;
  std::string error;

  bool ok() const { return error.empty(); }
};

// Parses one script line (without its line end). `cellCount` is the number of cells of the
// board the line will run on: a `cell` command must name one of cells 1..cellCount.
ParsedLine ParseLine(std::string_view line, Integer cellCount);

}  // namespace vorn::replay
