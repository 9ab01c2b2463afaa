// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Turn switching.
#include "play/turns.h"

#include "game/state.h"
#include "game/window_services.h"

namespace vorn {

void SwitchTurn() {
  WindowServices& window = Window();
  window.SetIndicatorColor(SideToMove, BackColor);
  SideToMove = SideToMove == 1 ? 0 : ToInteger(SideToMove + 1);
  window.SetIndicatorColor(SideToMove, PlayerColor[SideToMove]);
  window.SetEnabled(SideToMove == 0);
  window.Refresh();
}

}  // namespace vorn
