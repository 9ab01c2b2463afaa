// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The engine's speed: random games a second within a search (tree, statistics and games
// together) at 11 and 21 cells a row, and a whole Strong reply on an empty board and in the
// middle of a game.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/search.h"

namespace {

using vorn::engine::ChooseCell;
using vorn::engine::Level;
using vorn::engine::PlayoutBudget;
using vorn::engine::Position;

Position EmptyBoard(int cellsPerRow) {
  Position position;
  position.cellsPerRow = cellsPerRow;
  position.rows = cellsPerRow;
  position.owner.assign(static_cast<std::size_t>(cellsPerRow * cellsPerRow), -1);
  position.toMove = 1;
  return position;
}

// A position some way into a game: a fixed scatter of stones of both sides, GREEN's on a
// stride prime to the cell count and RED's beside them, a quarter of the board filled.
Position MidGame(int cellsPerRow) {
  Position position = EmptyBoard(cellsPerRow);
  const int cells = cellsPerRow * cellsPerRow;
  int cell = 0;
  for (int placed = 0; placed < cells / 4;) {
    cell = (cell + 37) % cells;
    if (position.owner[cell] != -1) continue;
    position.owner[cell] = static_cast<signed char>(placed % 2);
    ++placed;
  }
  return position;
}

void BM_PlayoutsPerSecond(benchmark::State& state) {
  const Position position = EmptyBoard(static_cast<int>(state.range(0)));
  const int playouts = 20000;
  for (auto _ : state) benchmark::DoNotOptimize(ChooseCell(position, playouts));
  state.SetItemsProcessed(state.iterations() * playouts);
}
BENCHMARK(BM_PlayoutsPerSecond)->Arg(11)->Arg(21)->Unit(benchmark::kMillisecond);

// Strong replies on the board of the benchmark's size that `positionOf` sets.
void StrongReplies(benchmark::State& state, Position (*positionOf)(int)) {
  const int size = static_cast<int>(state.range(0));
  const Position position = positionOf(size);
  for (auto _ : state) {
    benchmark::DoNotOptimize(ChooseCell(position, PlayoutBudget(Level::Strong, size)));
  }
}

void BM_StrongReplyEmptyBoard(benchmark::State& state) { StrongReplies(state, EmptyBoard); }
BENCHMARK(BM_StrongReplyEmptyBoard)->Arg(11)->Arg(21)->Unit(benchmark::kMillisecond);

void BM_StrongReplyMidGame(benchmark::State& state) { StrongReplies(state, MidGame); }
BENCHMARK(BM_StrongReplyMidGame)->Arg(11)->Arg(21)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
