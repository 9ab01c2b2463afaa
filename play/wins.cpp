// Win detection and announcement.
#include "play/wins.h"

#include "display/cell_drawing.h"
#include "game/cell_lists.h"
#include "game/new_game.h"
#include "game/state.h"
#include "game/window_services.h"
#include "play/turns.h"

namespace vorn {

namespace {

constexpr Integer kWon = 3;
constexpr int kBlack = 0;
constexpr int kLightGrey = 7;

// The cells of an edge list, as a table.
PerCell<bool> EdgeCells(const std::string& edge) {
  PerCell<bool> onEdge;
  for (Integer k = 1; k <= EntryCount(edge); ++k) onEdge[ListItem(k, edge)] = true;
  return onEdge;
}

// Edge and group are lists of whole entries, so an edge cell's code occurs in the group
// exactly when one of the group's entries is that cell: one pass over the group answers.
bool Touches(const PerCell<bool>& onEdge, const std::string& group) {
  for (Integer k = 1; k <= EntryCount(group); ++k) {
    if (onEdge[ListItem(k, group)]) return true;
  }
  return false;
}

}  // namespace

void CheckWin(Integer& result, Integer side, Integer& group) {
  result = -1;
  // Built once per call: the computer's look-ahead runs this for every tried stone.
  const PerCell<bool> firstEdge = EdgeCells(side == 0 ? LeftEdge : BottomEdge);
  const PerCell<bool> secondEdge = EdgeCells(side == 0 ? RightEdge : TopEdge);
  const Integer count = GroupCount[side];
  for (Integer g = 1; g <= count; ++g) {
    const std::string& chain = Groups[side][g];
    if (chain.empty()) continue;
    if (Touches(firstEdge, chain) && Touches(secondEdge, chain)) {
      result = kWon;
      group = g;
      return;
    }
  }
}

void AnnounceWin(Integer side, Integer group) {
  WindowServices& window = Window();
  window.SetFillColor(QBColor(kBlack));
  window.SetFillStyle(kFillDiagonalCross);
  const std::string& chain = Groups[side][group];
  for (Integer k = 1; k <= EntryCount(chain); ++k) RedrawCell(ListItem(k, chain));
  window.Refresh();
  window.SetEnabled(false);
  WinMessage = std::string(side == 0 ? "GREEN" : "RED") + " WON - click here to continue";
  window.MessageBox(WinMessage);
  window.Cls();
  window.SetBackColor(QBColor(kLightGrey));
  window.SetFillColor(QBColor(kLightGrey));
  window.SetFillStyle(kFillSolid);
  NewGame(BoardSize);
  SideToMove = 1;
  SwitchTurn();
}

}  // namespace vorn
