// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up of the main window: the constants of the game and the drawing, then the first board.
#pragma once

namespace vorn {

// Runs once when the main window is loaded; leaves GREEN to move on an empty 11 x 11 board.
void Form_Load();

}  // namespace vorn
