// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Preset mode.
#include "play/preset.h"

#include "computer/computer_move.h"
#include "computer/stone_placement.h"
#include "game/state.h"
#include "game/window_services.h"
#include "play/influence.h"
#include "play/mouse_input.h"

namespace vorn {

void Presetx_Click() {
  PresetMode = Yes;
  Window().MessageBox("left-click to set GREEN, right-click for RED");
  Window().SetMenuEnabled(MenuItem::Sizex, false);
  Window().SetMenuEnabled(MenuItem::Presetx, false);
  Window().SetMenuEnabled(MenuItem::StartPreset, true);
}

void StartPreset_Click() {
  // On a board the layout filled no GREEN stone can be placed: the chain is announced at
  // once, without first asking for one.
  if (LowestEmptyCell() != 0) Window().MessageBox("Place GREEN to start the game");
  Window().SetMenuEnabled(MenuItem::Sizex, false);
  Window().SetMenuEnabled(MenuItem::Presetx, false);
  Window().SetMenuEnabled(MenuItem::StartPreset, false);
  SideToMove = 0;
  PresetMode = No;
  // The layout is where the game begins: taking back stops at it.
  PresetStarted = Yes;
  TakeBacks.clear();
  // A layout that fills the board leaves nothing to play.
  AnnounceFullBoard();
}

void PlacePresetStone(Integer button) {
  SideToMove = button == kRightButton ? 1 : 0;
  if (CellOwner[SelectedCell] != -1) return;
  PlaceStone(SelectedCell, SideToMove);
  if (SideToMove == 1) Influence[SelectedCell] = 0;
  // Preset stones of both colours spread from below.
  SpreadInfluence(SelectedCell, -kSpreadStart);
}

}  // namespace vorn
