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

// The handler of each menu command that acts on the game, those of the "Vorn" and "Size"
// menus; nullptr for the others, which are the window's own (Help, About, Exit) or no
// command at all (the "Size" submenu).
using MenuCommand = void (*)();
MenuCommand GameMenuCommand(MenuItem item);

}  // namespace vorn
