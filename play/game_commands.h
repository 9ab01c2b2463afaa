// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The commands that end the current game and build a new board: same board, other shape,
// one cell more or fewer per row.
#pragma once

namespace vorn {

void Restartx_Click();   // "End Current Game"
void Squarex_Click();    // "Square"
void Increasex_Click();  // "Increase"
void Decreasex_Click();  // "Decrease"

}  // namespace vorn
