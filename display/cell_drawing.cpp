// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing of cells at their recorded positions.
#include "display/cell_drawing.h"

#include "game/cell_lists.h"
#include "game/state.h"
#include "game/window_services.h"

namespace vorn {

namespace {

void OutlineAt(Single x, Single y) {
  for (int v = 0; v <= 5; ++v) {
    CellPoints[v] = {RoundHalfEvenToLong(x + ShapeOffsets[v].x),
                     RoundHalfEvenToLong(y + ShapeOffsets[v].y)};
  }
  Window().Polygon(CellPoints, FillColor, FillStyle);
}

}  // namespace

double PositionKeyX(Integer cell) { return LeadingNumber(Left(CellPos[cell], 3)); }
double PositionKeyY(Integer cell) { return LeadingNumber(Right(CellPos[cell], 3)); }

void DrawCell(Integer fromCell, Integer direction, Integer newCell) {
  Integer x = 0;
  Integer y = 0;
  if (fromCell == 0 && direction == 0) {
    x = RoundHalfEvenToInteger(OriginX);
    y = RoundHalfEvenToInteger(OriginY);
  } else {
    const Integer fromX = RoundHalfEvenToInteger(PositionKeyX(fromCell));
    const Integer fromY = RoundHalfEvenToInteger(PositionKeyY(fromCell));
    // A step of 13.5 pixels lands on the even one of the two candidates.
    x = RoundHalfEvenToInteger(UnitX * DirX[direction] + fromX);
    y = RoundHalfEvenToInteger(UnitY * DirY[direction] + fromY);
  }
  OutlineAt(x, y);
  CurX = static_cast<Single>(CellPoints[0].x);
  CurY = static_cast<Single>(CellPoints[0].y);
  CellPos[newCell] = CellCode(static_cast<long long>(CurX)) + CellCode(static_cast<long long>(CurY));
  CellTwipX[newCell] = RoundHalfEvenToInteger(TwipsX * CurX);
  CellTwipY[newCell] = RoundHalfEvenToInteger(TwipsY * CurY);
}

void UseEmptyBoardColours() {
  BackColor = PaletteColor(kLightGrey);
  Window().SetBackColor(BackColor);
  FillColor = PaletteColor(kLightGrey);
  FillStyle = kFillSolid;
}

void RedrawCell(Integer cell) {
  CurX = static_cast<Single>(PositionKeyX(cell));
  CurY = static_cast<Single>(PositionKeyY(cell));
  OutlineAt(CurX, CurY);
}

}  // namespace vorn
