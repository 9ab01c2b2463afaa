// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Board construction.
#include "game/new_game.h"

#include <utility>

#include "display/cell_drawing.h"
#include "game/cell_lists.h"
#include "game/observer.h"
#include "game/state.h"
#include "game/window_services.h"

namespace vorn {

namespace {

// Cell-list entry positions within a neighbour list.
constexpr Integer kUpLeft = 1;
constexpr Integer kDownRight = 2;
constexpr Integer kDownLeft = 4;
constexpr Integer kLeft = 5;
constexpr Integer kRight = 6;

// Direction numbers of the drawing.
constexpr Integer kDirectionRight = 3;
constexpr Integer kDirectionDownLeft = 5;

void DrawBoard(Integer n, Integer rows) {
  DrawCell(0, 0, 1);
  Integer cell = 1;
  for (Integer c = 2; c <= n; ++c) DrawCell(c - 1, kDirectionRight, cell = c);
  for (Integer row = 2; row <= rows; ++row) {
    const Integer first = ToInteger((row - 1) * n + 1);
    DrawCell(first - n, kDirectionDownLeft, cell = first);
    for (Integer c = first + 1; c < first + n; ++c) DrawCell(c - 1, kDirectionRight, cell = c);
  }
  CellCount = cell;
}

std::string CellRun(Integer from, Integer to, Integer step) {
  std::string list;
  for (Integer cell = from; cell <= to; cell += step) list += CellCode(cell) + ",";
  return list;
}

void BuildEdges(Integer n) {
  const Integer bottomFirst = ToInteger((RowCount() - 1) * n + 1);
  TopEdge = CellRun(1, n, 1);
  BottomEdge = CellRun(bottomFirst, ToInteger(bottomFirst + n - 1), 1);
  LeftEdge = CellRun(1, bottomFirst, n);
  RightEdge = CellRun(n, ToInteger(bottomFirst + n - 1), n);
}

// Every neighbour by number; positions that wrap round a row end or leave the bottom are
// marked afterwards.
void BuildNeighbours(Integer n) {
  for (Integer i = 1; i <= CellCount; ++i) {
    const int numbers[6] = {i - n - 1, i + n + 1, i - n, i + n, i - 1, i + 1};
    std::string list;
    for (int k = 0; k < 6; ++k) {
      list += numbers[k] > 0 ? CellCode(numbers[k]) : "XXX";
      if (k < 5) list += ",";
    }
    Neighbours[i] = list;
  }
}

void MarkOffBoard(Integer cell, Integer entry) {
  Neighbours[cell].replace((entry - 1) * 4, 3, "XXX");
}

void MarkOffBoardNeighbours(Integer n) {
  for (Integer k = 1; k <= EntryCount(RightEdge); ++k) {
    MarkOffBoard(ListItem(k, RightEdge), kRight);
    MarkOffBoard(ListItem(k, RightEdge), kDownRight);
  }
  for (Integer k = 1; k <= n - 1; ++k) {
    MarkOffBoard(ListItem(k, LeftEdge), kLeft);
    MarkOffBoard(ListItem(k, LeftEdge), kUpLeft);
  }
  for (Integer k = 1; k <= EntryCount(BottomEdge); ++k) {
    MarkOffBoard(ListItem(k, BottomEdge), kDownRight);
    MarkOffBoard(ListItem(k, BottomEdge), kDownLeft);
  }
  if (SquareBoard == Yes) {
    MarkOffBoard(ListItem(1, BottomEdge), kUpLeft);
    MarkOffBoard(ListItem(1, BottomEdge), kLeft);
  }
}

// The neighbour lists and edges again as numbers, read from the lists themselves so that
// both always say the same.
void BuildNumberTables() {
  for (Integer i = 1; i <= CellCount; ++i) {
    for (Integer k = 1; k <= 6; ++k) NeighbourCells[i][k - 1] = ListItem(k, Neighbours[i]);
    CellEdges[i] = 0;
  }
  const std::pair<const std::string*, Integer> edges[] = {
      {&LeftEdge, kLeftEdgeBit}, {&RightEdge, kRightEdgeBit},
      {&TopEdge, kTopEdgeBit}, {&BottomEdge, kBottomEdgeBit}};
  for (const auto& [edge, bit] : edges) {
    ForEachEntry(*edge, [bit = bit](Integer cell) {
      CellEdges[cell] = static_cast<Integer>(CellEdges[cell] | bit);
    });
  }
}

void ClearPosition() {
  for (Integer i = 1; i <= CellCount; ++i) {
    CellOwner[i] = -1;
    CellGroup[i] = 0;
    Bridges[i].clear();
    Groups[0][i].clear();
    Groups[1][i].clear();
  }
  GroupCount[0] = 0;
  GroupCount[1] = 0;
  BridgeCount = 0;
}

// Numbers `length` cells going down-right from `start`, continuing the count in `pair`.
void NumberWalk(Integer start, Integer length, Integer& pair) {
  Integer cell = start;
  for (Integer step = 0; step < length; ++step) {
    MirrorPair[cell] = ++pair;
    cell = ToInteger(cell + BoardSize + 1);
  }
}

}  // namespace

Integer RowCount() { return SquareBoard == Yes ? BoardSize : ToInteger(BoardSize - 1); }

namespace {

// A new board while the window searches for RED's reply in a worker (it answers its menus
// meanwhile) ends the search: GREEN has the move again, and the indicator and the window
// say so. A window that searches at once never gets here with a search under way.
void EndReplySearch(WindowServices& window) {
  if (ReplySearching == No) return;
  ReplySearching = No;
  ShowGreenToMove(window);
}

}  // namespace

void ShowGreenToMove(WindowServices& window) {
  window.SetIndicatorColor(0, PlayerColor[0]);
  window.SetIndicatorColor(1, BackColor);
  window.SetEnabled(true);
}

void NewGame(Integer size) {
  WindowServices& window = Window();
  window.SetCaption("VORN SIZE" + WithLeadingSpace(size));
  GameStarted = No;
  OriginX = static_cast<Single>(size) * UnitX;
  window.SetMenuEnabled(MenuItem::Sizex, true);
  window.SetMenuEnabled(MenuItem::Presetx, true);
  // "Start Preset Game" is for a layout in progress, which a new board ends.
  window.SetMenuEnabled(MenuItem::StartPreset, false);
  PresetMode = No;
  PresetStarted = No;
  TakeBacks.clear();  // nothing of another board can be taken back on this one
  DrawBoard(size, RowCount());
  BuildEdges(size);
  BuildNeighbours(size);
  MarkOffBoardNeighbours(size);
  BuildNumberTables();
  FitWindow();
  ClearPosition();
  ++PositionVersion;  // whatever the engine was searching is stale now
  EndReplySearch(window);
  if (SquareBoard == No) NumberMirrorPairs();
  window.Refresh();
  Observer().BoardBuilt();
}

void FitWindow() {
  const Integer n = BoardSize;
  const Integer last = SquareBoard == Yes ? ToInteger(n * n) : ToInteger(n * n - n);
  const Integer width = RoundHalfEvenToInteger(PositionKeyX(n) + 5 * UnitX);
  const Integer height = RoundHalfEvenToInteger(PositionKeyY(last) + 6 * UnitY);
  Window().SetOuterSize(width * TwipsX, height * TwipsY);
}

void NumberMirrorPairs() {
  const Integer n = BoardSize;
  Integer pair = 0;
  NumberWalk(1, ToInteger(n - 1), pair);
  pair = 0;
  NumberWalk(2, ToInteger(n - 1), pair);
  pair = ToInteger(n - 1);
  for (Integer d = 3; d <= n; ++d) NumberWalk(d, ToInteger(n - d + 1), pair);
  pair = ToInteger(n - 1);
  for (Integer d = 3; d <= n; ++d) NumberWalk(ToInteger((d - 2) * n + 1), ToInteger(n - d + 1), pair);
}

}  // namespace vorn
