// Program-start values of the module state.
#include "game/state.h"

namespace vorn {

namespace {

template <typename T, std::size_t Size>
void Clear(CheckedArray<T, Size>& items) {
  items.fill(T{});
}

}  // namespace

void ResetModuleState() {
  BoardSize = MaxBoardSize = SquareBoard = CellCount = 0;
  Clear(Neighbours);
  LeftEdge.clear();
  RightEdge.clear();
  TopEdge.clear();
  BottomEdge.clear();
  Clear(MirrorPair);
  Clear(NeighbourCells);
  Clear(CellEdges);
  UnitX = UnitY = OriginX = OriginY = CurX = CurY = TwipsX = TwipsY = 0;
  Clear(ShapeOffsets);
  Clear(CellPoints);
  Clear(DirX);
  Clear(DirY);
  Clear(CellPos);
  Clear(CellTwipX);
  Clear(CellTwipY);
  Clear(PlayerColor);
  Clear(CellOwner);
  SideToMove = SelectedCell = GameStarted = PresetMode = 0;
  WinMessage.clear();
  Clear(Influence);
  Clear(GroupCount);
  Clear(Groups[0]);
  Clear(Groups[1]);
  Clear(CellGroup);
  BridgeCount = 0;
  Clear(Bridges);
  Clear(SavedInfluence);
}

}  // namespace vorn
