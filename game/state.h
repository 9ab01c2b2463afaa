// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole game lives here, as module-level state of the namespace `vorn`: the board shape,
// the drawing geometry, the position, the chains of each side, the bridge records, the move
// lists and the computer's copy of the influence map. Every procedure of the game reads and
// writes these variables directly, by the names below.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "game/runtime.h"

namespace vorn {

// Boards have 5 to 21 cells a row. Per-cell arrays have room for cells 0..484 (a 22 x 22
// board); cell 0 is never a cell.
inline constexpr Integer kSmallestBoard = 5;
inline constexpr Integer kLargestBoard = 21;
inline constexpr int kCellSlots = 485;
inline constexpr int kLastSlot = kCellSlots - 1;
static_assert(kLargestBoard * kLargestBoard <= kLastSlot, "a slot for every cell of every board");

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

// The edges of the board as bits, so that the edges a set of cells touches are one number.
inline constexpr Integer kLeftEdgeBit = 1;
inline constexpr Integer kRightEdgeBit = 2;
inline constexpr Integer kTopEdgeBit = 4;
inline constexpr Integer kBottomEdgeBit = 8;

// Fill styles of the drawing.
inline constexpr Integer kFillSolid = 0;
inline constexpr Integer kFillDiagonalCross = 7;

// The state of play on the board that stands: everything a stone changes, apart from the
// move lists, in two parts: the numbers and flags, and the texts of the chains and bridge
// records, one per cell slot and most of them empty. Taking a stone back puts both back
// whole, so a variable of play belongs in one of them.
struct PlayState {
  PerCell<Integer> CellOwner;  // -1 empty, 0 GREEN, 1 RED
  Integer SideToMove = 0;
  Integer SelectedCell = 0;
  Integer GameStarted = 0;
  Integer PresetMode = 0;
  // Yes once "Start Preset Game" was chosen on this board: the game begins from the layout,
  // and the Size submenu and "Preset Board" stay fenced off even before its first stone.
  Integer PresetStarted = 0;
  std::string WinMessage;
  PerCell<Integer> Influence;  // never cleared: carries over from game to game

  // Chains of stones, per side and slot (the lists in PlayTexts); a slot emptied by a merge
  // stays counted.
  PerSide<Integer> GroupCount;
  PerCell<Integer> CellGroup;

  // Bridge records (in PlayTexts): empty cells that touch two groups of one side.
  Integer BridgeCount = 0;

  // The computer's copy of the influence map while it adds and takes back a turn's bonuses.
  PerCell<Integer> SavedInfluence;
};

struct PlayTexts {
  PerSide<PerCell<std::string>> Groups;
  PerCell<std::string> Bridges;
};

// The play as it stood before one click that placed stones, for taking them back: the
// numbers whole, the texts up to the last slot that holds one (the slots after it are
// empty), and the lengths of the move lists, which only grow while a board stands.
struct PlayBefore {
  PlayState play;
  PerSide<std::vector<std::string>> groups;
  std::vector<std::string> bridges;
  PerSide<std::size_t> moveCounts;
};

// Every variable of the game, with its value at program start. A variable belongs here and
// nowhere else, so that ResetModuleState cannot miss one; each has its name in the
// namespace below.
struct ModuleState {
  // Board shape.
  Integer BoardSize = 0;     // cells per row
  Integer MaxBoardSize = 0;  // the largest size "Increase" reaches
  Integer SquareBoard = 0;   // Yes: BoardSize rows; No: one row fewer
  Integer CellCount = 0;     // cells of the current board, the last cell number
  // Six codes each: up-left, down-right, up-right, down-left, left, right.
  PerCell<std::string> Neighbours;
  std::string LeftEdge;
  std::string RightEdge;
  std::string TopEdge;
  std::string BottomEdge;
  PerCell<Integer> MirrorPair;  // boards that are not square: two mirror cells share a number

  // The same board as numbers, built with the lists above by NewGame for the procedures that
  // look at every cell many times in a click. The lists stay what the game keeps and shows.
  PerCell<CheckedArray<Integer, 6>> NeighbourCells;  // in list order, 0 off the board
  PerCell<Integer> CellEdges;  // the edges the cell lies on, as kLeftEdgeBit and the rest

  // Geometry, in pixels unless the name says twips.
  Single UnitX = 0;  // half a cell's width
  Single UnitY = 0;  // rows are 1.5 units apart
  Single OriginX = 0;
  Single OriginY = 0;
  Single CurX = 0;  // vertex 0 of the cell drawn or looked up last
  Single CurY = 0;
  Single TwipsX = 0;
  Single TwipsY = 0;
  Outline ShapeOffsets;  // a cell's outline relative to its vertex 0
  Outline CellPoints;    // the outline handed to the polygon call
  CheckedArray<Single, 7> DirX;
  CheckedArray<Single, 7> DirY;
  PerCell<std::string> CellPos;  // position key: x code then y code of vertex 0
  PerCell<Integer> CellTwipX;
  PerCell<Integer> CellTwipY;
  PerSide<Color> PlayerColor;

  // The window's drawing state: the background a clear erases to, which the window is told,
  // and the fill of the next polygon, which travels with it.
  Color BackColor = 0;
  Color FillColor = 0;
  Integer FillStyle = kFillSolid;

  // Play.
  PlayState Play;
  PlayTexts Texts;
  // Every stone each side has placed, oldest first. Never cleared, like the influence map:
  // until GREEN has played twice in a game, its last two stones come from the game before.
  PerSide<std::vector<Integer>> PlayerMoves;

  // The play before each click of the board that stands, oldest first: what "Take Back"
  // returns to. Every new board and "Start Preset Game" begin it afresh.
  std::vector<PlayBefore> TakeBacks;

  // The computer's level (computer/levels.h), Standard at start. Not part of the play: a
  // take-back leaves it as it is.
  Integer SelectedLevel = 0;
  // Counts every change of the position (a board built, a stone placed or taken back), so
  // that an engine's answer computed for an older position is known as stale. Never taken
  // back: an older position seen again is still a new one for answers under way.
  std::uint32_t PositionVersion = 0;
  Integer ReplySearching = 0;  // Yes while RED's reply is being searched for
  Integer HintCell = 0;      // the hint last found, for the position of HintVersion
  std::uint32_t HintVersion = 0;
};

inline ModuleState Module;

inline auto& BoardSize = Module.BoardSize;
inline auto& MaxBoardSize = Module.MaxBoardSize;
inline auto& SquareBoard = Module.SquareBoard;
inline auto& CellCount = Module.CellCount;
inline auto& Neighbours = Module.Neighbours;
inline auto& LeftEdge = Module.LeftEdge;
inline auto& RightEdge = Module.RightEdge;
inline auto& TopEdge = Module.TopEdge;
inline auto& BottomEdge = Module.BottomEdge;
inline auto& MirrorPair = Module.MirrorPair;
inline auto& NeighbourCells = Module.NeighbourCells;
inline auto& CellEdges = Module.CellEdges;
inline auto& UnitX = Module.UnitX;
inline auto& UnitY = Module.UnitY;
inline auto& OriginX = Module.OriginX;
inline auto& OriginY = Module.OriginY;
inline auto& CurX = Module.CurX;
inline auto& CurY = Module.CurY;
inline auto& TwipsX = Module.TwipsX;
inline auto& TwipsY = Module.TwipsY;
inline auto& ShapeOffsets = Module.ShapeOffsets;
inline auto& CellPoints = Module.CellPoints;
inline auto& DirX = Module.DirX;
inline auto& DirY = Module.DirY;
inline auto& CellPos = Module.CellPos;
inline auto& CellTwipX = Module.CellTwipX;
inline auto& CellTwipY = Module.CellTwipY;
inline auto& PlayerColor = Module.PlayerColor;
inline auto& BackColor = Module.BackColor;
inline auto& FillColor = Module.FillColor;
inline auto& FillStyle = Module.FillStyle;
inline auto& CellOwner = Module.Play.CellOwner;
inline auto& SideToMove = Module.Play.SideToMove;
inline auto& SelectedCell = Module.Play.SelectedCell;
inline auto& GameStarted = Module.Play.GameStarted;
inline auto& PresetMode = Module.Play.PresetMode;
inline auto& PresetStarted = Module.Play.PresetStarted;
inline auto& WinMessage = Module.Play.WinMessage;
inline auto& Influence = Module.Play.Influence;
inline auto& PlayerMoves = Module.PlayerMoves;
inline auto& GroupCount = Module.Play.GroupCount;
inline auto& Groups = Module.Texts.Groups;
inline auto& CellGroup = Module.Play.CellGroup;
inline auto& BridgeCount = Module.Play.BridgeCount;
inline auto& Bridges = Module.Texts.Bridges;
inline auto& SavedInfluence = Module.Play.SavedInfluence;
inline auto& TakeBacks = Module.TakeBacks;
inline auto& SelectedLevel = Module.SelectedLevel;
inline auto& PositionVersion = Module.PositionVersion;
inline auto& ReplySearching = Module.ReplySearching;
inline auto& HintCell = Module.HintCell;
inline auto& HintVersion = Module.HintVersion;

// Puts every variable back to its value at program start, as a fresh run of the program
// would find them.
inline void ResetModuleState() { Module = ModuleState{}; }

}  // namespace vorn
