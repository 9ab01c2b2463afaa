// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The commands that end the current game and build a new board: same board, other shape,
// one cell more or fewer per row.
#pragma once

#include "game/window_services.h"

namespace vorn {

void Restartx_Click();   // "End Current Game"
void Squarex_Click();    // "Square"
void Increasex_Click();  // "Increase"
void Decreasex_Click();  // "Decrease"

// A new board of `size` cells a row and the given shape (Yes: square), with the Size
// submenu's items as the size commands leave them for that board: as "End Current Game"
// after the size commands that lead there. The error boundary, the stored settings and a
// restored game build their boards so.
void BuildBoard(Integer size, Integer square);

// Tells the window the state of every item the game sets, as the play and the board that
// stand call for; for a state not reached by the commands themselves (a take-back, a
// restored game).
void ShowGameMenus();

// The handler of each menu command that acts on the game, those of the "Vorn" and "Size"
// menus; nullptr for the others, which are the window's own (Help, About, Exit) or no
// command at all (the "Size" submenu).
using MenuCommand = void (*)();
MenuCommand GameMenuCommand(MenuItem item);

}  // namespace vorn
