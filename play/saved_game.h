// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A game that survives the program: the board and the whole play as text, so that after a
// new start the game goes on exactly as it would have without the break (the same clicks get
// the same replies) and what could be taken back still can. The text, line by line:
//
//   Vorn saved game 1                 the format; another number is refused
//   level NAME                        the level the game is played at
//   board SIZE SQUARE                 cells a row; 1 square, 0 one row short
//   PLAY                              the play that stands (below), with `influence`
//                                     for every cell slot 1..484, as it carries over
//   moves SIDE COUNT CELL...          each side's move list, oldest first
//   moves ...
//   takebacks COUNT                   then for each click that can be taken back, oldest
//   point GREEN RED                   first, the lengths of the move lists before it
//   PLAY                              and the play before it (`influence` of the board)
//   end
//
// where PLAY is
//
//   play SIDE SELECTED STARTED PRESET PRESETSTARTED   SideToMove, SelectedCell, the flags
//   win TEXT                                          WinMessage (may be empty)
//   owner ...  influence ...  saved ...  cellgroup ...  per cell, cells 1..C
//   groups SIDE COUNT LIST...                         each slot's cell list, "-" if empty
//   groups ...
//   bridges COUNT RECORD...
//
// Slots that no procedure reads before it writes them (a group slot past the count, a
// bridge record past the count, the computer's copy of the map off the board) are left out.
#pragma once

#include <string>

namespace vorn {

inline constexpr char kSavedGameTitle[] = "Vorn saved game";
inline constexpr int kSavedGameFormat = 1;

// The game that stands, as text. `level` names the level it is played at.
std::string SaveGame(const std::string& level);

// Puts back the game of `text`: the board of its size and shape, the play, the clicks that
// can be taken back, and the drawing, menus and indicator. All of it is checked first: on
// any fault the game is left as it is, `error` says what is wrong, where, and the result is
// false. On success `level` is the level the game was played at.
bool RestoreGame(const std::string& text, std::string& level, std::string& error);

}  // namespace vorn
