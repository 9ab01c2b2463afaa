// Drawing of cells at their recorded positions.
#include "display/cell_drawing.h"

#include "game/cell_lists.h"
#include "game/state.h"
#include "game/window_services.h"

namespace vorn {

namespace {

void OutlineAt(Single x, Single y) {
  for (int v = 0; v <= 5; ++v) {
    CellPoints[v] = {CLng(x + ShapeOffsets[v].x), CLng(y + ShapeOffsets[v].y)};
  }
  Window().Polygon(CellPoints, 6);
}

}  // namespace

double PositionKeyX(Integer cell) { return Val(Left(CellPos[cell], 3)); }
double PositionKeyY(Integer cell) { return Val(Right(CellPos[cell], 3)); }

void DrawCell(Integer fromCell, Integer direction, Integer newCell) {
  Integer x = 0;
  Integer y = 0;
  if (fromCell == 0 && direction == 0) {
    x = CInt(OriginX);
    y = CInt(OriginY);
  } else {
    const Integer fromX = CInt(PositionKeyX(fromCell));
    const Integer fromY = CInt(PositionKeyY(fromCell));
    // A step of 13.5 pixels lands on the even one of the two candidates.
    x = CInt(UnitX * DirX[direction] + fromX);
    y = CInt(UnitY * DirY[direction] + fromY);
  }
  Window().SetLabelCaption(Str(x) + Str(y));
  OutlineAt(x, y);
  CurX = static_cast<Single>(CellPoints[0].x);
  CurY = static_cast<Single>(CellPoints[0].y);
  CellPos[newCell] = CellCode(static_cast<long long>(CurX)) + CellCode(static_cast<long long>(CurY));
  CellTwipX[newCell] = CInt(TwipsX * CurX);
  CellTwipY[newCell] = CInt(TwipsY * CurY);
}

void RedrawCell(Integer cell) {
  CurX = static_cast<Single>(PositionKeyX(cell));
  CurY = static_cast<Single>(PositionKeyY(cell));
  OutlineAt(CurX, CurY);
}

}  // namespace vorn
