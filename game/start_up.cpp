// Start-up.
#include "game/start_up.h"

#include "game/new_game.h"
#include "game/state.h"
#include "game/window_services.h"

namespace vorn {

namespace {

constexpr int kGreen = 2;
constexpr int kRed = 4;
constexpr int kLightGrey = 7;

void SetUpGeometry() {
  UnitX = 13.5F;
  UnitY = 14;
  OriginX = BoardSize * UnitX;
  OriginY = UnitY;
  const Single offsets[7][2] = {{0, 0},         {UnitX, -0.5F * UnitY}, {2 * UnitX, 0},
                                {2 * UnitX, UnitY}, {UnitX, 1.5F * UnitY}, {0, UnitY},
                                {0, 0}};
  for (int v = 0; v <= 6; ++v) ShapeOffsets[v] = {CLng(offsets[v][0]), CLng(offsets[v][1])};
  for (int v = 0; v <= 5; ++v) CellPoints[v] = ShapeOffsets[v];
  const Single dirX[7] = {0, -1, 1, 2, 1, -1, -2};
  const Single dirY[7] = {0, -1.5F, -1.5F, 0, 1.5F, 1.5F, 0};
  for (int d = 0; d <= 6; ++d) {
    DirX[d] = dirX[d];
    DirY[d] = dirY[d];
  }
}

}  // namespace

void Form_Load() {
  WindowServices& window = Window();
  window.SetDrawWidth(2);
  TwipsX = window.TwipsPerPixelX();
  TwipsY = window.TwipsPerPixelY();
  PlayerColor[0] = QBColor(kGreen);
  PlayerColor[1] = QBColor(kRed);
  GroupCount[0] = 0;
  GroupCount[1] = 0;
  window.HideMoveLists();
  BoardSize = 11;
  MaxBoardSize = 21;
  window.SetCaption("VORN SIZE" + Str(BoardSize));
  SetUpGeometry();
  window.SetBackColor(QBColor(kLightGrey));
  window.SetFillColor(QBColor(kLightGrey));
  window.SetFillStyle(0);
  SquareBoard = Yes;
  NewGame(BoardSize);
  SideToMove = 0;
  window.SetIndicatorColor(0, PlayerColor[SideToMove]);
  window.SetIndicatorColor(1, window.BackColor());
  window.SetMenuEnabled(MenuItem::StartPreset, false);
  window.HideLabel();
}

}  // namespace vorn
