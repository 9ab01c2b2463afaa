// The whole game lives here, as module-level state of the namespace `vorn`: the board shape,
// the drawing geometry, the position, the chains of each side, the bridge records and the
// computer's copy of the influence map. Every procedure of the game reads and writes these
// variables directly.
#pragma once

#include <string>

#include "game/runtime.h"

namespace vorn {

// Per-cell arrays have room for cells 0..484 (a 22 x 22 board); cell 0 is never a cell.
inline constexpr int kCellSlots = 485;
inline constexpr int kLastSlot = kCellSlots - 1;
inline constexpr Integer kSmallestBoard = 5;

template <typename T>
using PerCell = CheckedArray<T, kCellSlots>;
template <typename T>
using PerSide = CheckedArray<T, 2>;

struct PointL {
  Long x = 0;
  Long y = 0;
};
using Outline = CheckedArray<PointL, 7>;

// Flags are Integers compared with these two, never booleans. They are constants, so no
// procedure can ever see them unset.
inline constexpr Integer Yes = 1;
inline constexpr Integer No = 0;

// Board shape.
inline Integer BoardSize = 0;     // cells per row
inline Integer MaxBoardSize = 0;  // the largest size "Increase" reaches
inline Integer SquareBoard = 0;   // Yes: BoardSize rows; No: one row fewer
inline Integer CellCount = 0;     // cells of the current board, the last cell number
inline PerCell<std::string> Neighbours;  // six codes: up-left, down-right, up-right, down-left, left, right
inline std::string LeftEdge;
inline std::string RightEdge;
inline std::string TopEdge;
inline std::string BottomEdge;
inline PerCell<Integer> MirrorPair;  // boards that are not square: two mirror cells share a number

// The same board as numbers, built with the lists above by NewGame for the procedures that
// look at every cell many times in a click. The lists stay what the game keeps and shows.
inline PerCell<CheckedArray<Integer, 6>> NeighbourCells;  // in list order, 0 off the board
inline PerCell<Integer> CellEdges;  // the edges the cell lies on, as edge bits
inline constexpr Integer kLeftEdgeBit = 1;
inline constexpr Integer kRightEdgeBit = 2;
inline constexpr Integer kTopEdgeBit = 4;
inline constexpr Integer kBottomEdgeBit = 8;

// Geometry, in pixels unless the name says twips.
inline Single UnitX = 0;  // half a cell's width
inline Single UnitY = 0;  // rows are 1.5 units apart
inline Single OriginX = 0;
inline Single OriginY = 0;
inline Single CurX = 0;  // vertex 0 of the cell drawn or looked up last
inline Single CurY = 0;
inline Single TwipsX = 0;
inline Single TwipsY = 0;
inline Outline ShapeOffsets;  // a cell's outline relative to its vertex 0
inline Outline CellPoints;    // the outline handed to the polygon call
inline CheckedArray<Single, 7> DirX;
inline CheckedArray<Single, 7> DirY;
inline PerCell<std::string> CellPos;  // position key: x code then y code of vertex 0
inline PerCell<Integer> CellTwipX;
inline PerCell<Integer> CellTwipY;
inline PerSide<Color> PlayerColor;

// Play.
inline PerCell<Integer> CellOwner;  // -1 empty, 0 GREEN, 1 RED
inline Integer SideToMove = 0;
inline Integer SelectedCell = 0;
inline Integer GameStarted = 0;
inline Integer PresetMode = 0;
inline std::string WinMessage;
inline PerCell<Integer> Influence;  // never cleared: carries over from game to game

// Chains of stones, per side and slot; a slot emptied by a merge stays counted.
inline PerSide<Integer> GroupCount;
inline PerSide<PerCell<std::string>> Groups;
inline PerCell<Integer> CellGroup;

// Bridge records: empty cells that touch two groups of one side.
inline Integer BridgeCount = 0;
inline PerCell<std::string> Bridges;

// The computer's copy of the influence map while it adds and takes back a turn's bonuses.
inline PerCell<Integer> SavedInfluence;

// Puts every variable back to its value at program start (all zero or empty), as a fresh run
// of the program would find them.
void ResetModuleState();

}  // namespace vorn
