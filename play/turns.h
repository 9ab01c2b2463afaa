// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Passing the move from one side to the other.
#pragma once

namespace vorn {

// Hands the move to the other side: the indicator follows, and the window takes input only
// while GREEN is to move.
void SwitchTurn();

}  // namespace vorn
