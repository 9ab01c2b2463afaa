// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Taking back clicks, and the mark of the last move.
#include "play/take_back.h"

#include "display/cell_drawing.h"
#include "game/new_game.h"
#include "game/window_services.h"
#include "play/game_commands.h"
#include "play/mouse_input.h"

namespace vorn {

namespace {

PerSide<std::size_t> MoveCounts() {
  PerSide<std::size_t> counts;
  for (Integer side = 0; side <= 1; ++side) counts[side] = PlayerMoves[side].size();
  return counts;
}

// The texts up to the last slot that holds one.
std::vector<std::string> Kept(const PerCell<std::string>& texts) {
  int last = kLastSlot;
  while (last >= 0 && texts[last].empty()) --last;
  std::vector<std::string> kept;
  for (int slot = 0; slot <= last; ++slot) kept.push_back(texts[slot]);
  return kept;
}

void PutBack(const std::vector<std::string>& kept, PerCell<std::string>& texts) {
  for (std::size_t slot = 0; slot < texts.size(); ++slot) {
    if (slot < kept.size()) {
      texts[static_cast<long long>(slot)] = kept[slot];
    } else {
      texts[static_cast<long long>(slot)].clear();
    }
  }
}

bool Grew(Integer side, const PlayBefore& before) {
  return PlayerMoves[side].size() > before.moveCounts[side];
}

}  // namespace

// The point is kept at once and dropped again if the click placed nothing: a click that
// builds a new board (a win) empties the list, and then nothing is left to drop.
TakeBackPoint::TakeBackPoint() { TakeBacks.push_back(KeepPlay()); }

TakeBackPoint::~TakeBackPoint() {
  if (!TakeBacks.empty() && !Grew(0, TakeBacks.back()) && !Grew(1, TakeBacks.back())) {
    TakeBacks.pop_back();
  }
}

// Not while the engine searches for RED's reply: the click that asked for it is not over.
bool CanTakeBack() { return !TakeBacks.empty() && ReplySearching == No; }

std::vector<Integer> TakeBack() {
  if (!CanTakeBack()) return {};
  PlayBefore before = std::move(TakeBacks.back());
  TakeBacks.pop_back();
  std::vector<Integer> emptied;
  for (Integer side = 0; side <= 1; ++side) {
    std::vector<Integer>& moves = PlayerMoves[side];
    const auto kept = static_cast<std::ptrdiff_t>(before.moveCounts[side]);
    emptied.insert(emptied.end(), moves.begin() + kept, moves.end());
    moves.resize(before.moveCounts[side]);
  }
  PutBackPlay(before);
  RedrawPlay();
  ShowGameMenus();
  return emptied;
}

PlayBefore KeepPlay() {
  PlayBefore kept;
  kept.play = Module.Play;
  for (Integer side = 0; side <= 1; ++side) kept.groups[side] = Kept(Groups[side]);
  kept.bridges = Kept(Bridges);
  kept.moveCounts = MoveCounts();
  return kept;
}

void PutBackPlay(const PlayBefore& kept) {
  Module.Play = kept.play;
  for (Integer side = 0; side <= 1; ++side) PutBack(kept.groups[side], Groups[side]);
  PutBack(kept.bridges, Bridges);
  ++PositionVersion;  // a hint or an answer under way was for the position replaced
}

void RedrawPlay() {
  WindowServices& window = Window();
  window.Cls();
  UseEmptyBoardColours();
  for (Integer cell = 1; cell <= CellCount; ++cell) RedrawCell(cell);
  // Stones do not overlap, so their order does not show.
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    if (CellOwner[cell] == -1) continue;
    FillColor = PlayerColor[CheckedSide(CellOwner[cell])];
    RedrawCell(cell);
  }
  window.Refresh();
  // Between two clicks GREEN's indicator is lit (preset mode never switches it) and the
  // window takes input.
  ShowGreenToMove(window);
}

Integer LastMarkedCell() {
  if (TakeBacks.empty()) return 0;
  const PlayBefore& last = TakeBacks.back();
  // A click of play ends with the computer's stone; a preset click lays one stone.
  if (Grew(1, last)) return PlayerMoves[1].back();
  if (PresetMode == Yes && Grew(0, last)) return PlayerMoves[0].back();
  return 0;
}

TwipCircle MarkDotOf(Integer cell) {
  const TwipPoint middle = ClickBoxMiddle(cell);
  return {middle.x, middle.y, kMarkDotRadiusPixels * TwipsX};
}

}  // namespace vorn
