// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up.
#include "game/start_up.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "display/cell_drawing.h"
#include "game/new_game.h"
#include "game/state.h"
#include "game/window_services.h"

namespace vorn {

namespace {

void SetUpGeometry() {
  UnitX = 13.5F;
  UnitY = 14;
  OriginY = UnitY;
  const Single offsets[7][2] = {{0, 0},         {UnitX, -0.5F * UnitY}, {2 * UnitX, 0},
                                {2 * UnitX, UnitY}, {UnitX, 1.5F * UnitY}, {0, UnitY},
                                {0, 0}};
  for (int v = 0; v <= 6; ++v) {
    ShapeOffsets[v] = {RoundHalfEvenToLong(offsets[v][0]), RoundHalfEvenToLong(offsets[v][1])};
  }
  for (int v = 0; v <= 5; ++v) CellPoints[v] = ShapeOffsets[v];
  const Single dirX[7] = {0, -1, 1, 2, 1, -1, -2};
  const Single dirY[7] = {0, -1.5F, -1.5F, 0, 1.5F, 1.5F, 0};
  for (int d = 0; d <= 6; ++d) {
    DirX[d] = dirX[d];
    DirY[d] = dirY[d];
  }
}

}  // namespace

Single WorkingTwipsPerPixel(Single screenTwipsPerPixel) {
  if (!(screenTwipsPerPixel > 0) || std::isinf(screenTwipsPerPixel)) {
    throw RunTimeError("the screen has " + std::to_string(screenTwipsPerPixel) +
                       " twips per pixel");
  }
  return std::min(screenTwipsPerPixel, kMostTwipsPerPixel);
}

void Form_Load() {
  WindowServices& window = Window();
  window.SetDrawWidth(2);
  TwipsX = WorkingTwipsPerPixel(window.TwipsPerPixelX());
  TwipsY = WorkingTwipsPerPixel(window.TwipsPerPixelY());
  PlayerColor[0] = PaletteColor(kGreen);
  PlayerColor[1] = PaletteColor(kRed);
  // The caption, the group tables, the origin and the menus are NewGame's to set.
  BoardSize = 11;
  MaxBoardSize = kLargestBoard;
  SetUpGeometry();
  UseEmptyBoardColours();
  SquareBoard = Yes;
  NewGame(BoardSize);
  SideToMove = 0;
  window.SetIndicatorColor(0, PlayerColor[SideToMove]);
  window.SetIndicatorColor(1, BackColor);
}

}  // namespace vorn
