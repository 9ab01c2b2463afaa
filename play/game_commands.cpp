// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Board size and game commands. The limits kSmallestBoard..MaxBoardSize are kept by the
// menus alone.
#include "play/game_commands.h"

#include "display/cell_drawing.h"
#include "game/new_game.h"
#include "game/state.h"
#include "game/window_services.h"
#include "play/preset.h"

namespace vorn {

namespace {

void ResizeBoard(int change) {
  BoardSize = ToInteger(BoardSize + change);
  Window().SetMenuEnabled(MenuItem::Increasex, true);
  Window().SetMenuEnabled(MenuItem::Decreasex, true);
  Restartx_Click();
}

}  // namespace

void Restartx_Click() {
  Window().Cls();
  SideToMove = 0;
  UseEmptyBoardColours();
  NewGame(BoardSize);
}

void Squarex_Click() {
  SquareBoard = SquareBoard == Yes ? No : Yes;
  Window().SetMenuChecked(MenuItem::Squarex, SquareBoard == Yes);
  Restartx_Click();
}

void Increasex_Click() {
  ResizeBoard(+1);
  if (BoardSize == MaxBoardSize) Window().SetMenuEnabled(MenuItem::Increasex, false);
}

void Decreasex_Click() {
  ResizeBoard(-1);
  if (BoardSize == kSmallestBoard) Window().SetMenuEnabled(MenuItem::Decreasex, false);
}

void BuildBoard(Integer size, Integer square) {
  BoardSize = size;
  SquareBoard = square;
  Restartx_Click();
  ShowGameMenus();
}

void ShowGameMenus() {
  WindowServices& window = Window();
  // The first stone, a layout in progress and a game from a layout fence off the Size
  // submenu and "Preset Board" until the next board.
  const bool betweenGames = GameStarted == No && PresetMode == No && PresetStarted == No;
  window.SetMenuEnabled(MenuItem::Sizex, betweenGames);
  window.SetMenuEnabled(MenuItem::Presetx, betweenGames);
  window.SetMenuEnabled(MenuItem::StartPreset, PresetMode == Yes);
  window.SetMenuChecked(MenuItem::Squarex, SquareBoard == Yes);
  window.SetMenuEnabled(MenuItem::Increasex, BoardSize < MaxBoardSize);
  window.SetMenuEnabled(MenuItem::Decreasex, BoardSize > kSmallestBoard);
}

MenuCommand GameMenuCommand(MenuItem item) {
  switch (item) {
    case MenuItem::Restartx: return Restartx_Click;
    case MenuItem::Presetx: return Presetx_Click;
    case MenuItem::StartPreset: return StartPreset_Click;
    case MenuItem::Squarex: return Squarex_Click;
    case MenuItem::Increasex: return Increasex_Click;
    case MenuItem::Decreasex: return Decreasex_Click;
    case MenuItem::Sizex:
    case MenuItem::Helpx:
    case MenuItem::Aboutx:
    case MenuItem::Exitx: break;
  }
  return nullptr;
}

}  // namespace vorn
