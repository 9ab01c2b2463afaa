// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How long a click takes on the largest board: GREEN's stone and the computer's reply at
// several stages of a game, click by click over whole games and a long session, and the
// reply's steps on their own. Every benchmark puts back all the state it changes between
// iterations, so each iteration does the same work.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "computer/move_choice.h"
#include "computer/stone_placement.h"
#include "game/cell_lists.h"
#include "game/headless_window.h"
#include "game/start_up.h"
#include "game/state.h"
#include "play/game_commands.h"
#include "play/influence.h"
#include "play/mouse_input.h"
#include "play/wins.h"

namespace {

using namespace vorn;

void Click(Integer cell) {
  const TwipPoint middle = ClickBoxMiddle(cell);
  Form_MouseUp(kLeftButton, 0, middle.x, middle.y);
}

// A fresh program on the largest square board.
void StartLargestBoard(HeadlessWindow& window) {
  ResetModuleState();
  window = HeadlessWindow();
  AttachWindow(&window);
  Form_Load();
  for (int step = 0; step < 10; ++step) Increasex_Click();
}

// The largest board with `clicks` GREEN moves already answered. GREEN plays a fixed scatter
// of cells so that chains, bridges and edge threats build up.
void SetUpLargestBoard(HeadlessWindow& window, int clicks) {
  StartLargestBoard(window);
  int cell = 1;
  for (int played = 0; played < clicks;) {
    cell = cell % CellCount + 97;  // a stride prime to 441 visits every cell in turn
    if (cell > CellCount) cell -= CellCount;
    if (CellOwner[cell] != -1) continue;
    const std::size_t messages = window.Messages().size();
    Click(static_cast<Integer>(cell));
    if (window.Messages().size() != messages) break;  // a game ended: stop there
    ++played;
  }
}

// Everything a click that does not end the game changes.
struct Position {
  HeadlessWindow window;
  PerCell<Integer> owners, cellGroups, influence;
  PerSide<Integer> groupCounts;
  PerSide<PerCell<std::string>> groups;
  PerCell<std::string> bridges;
  Integer bridgeCount, sideToMove, selectedCell, gameStarted, presetMode;

  explicit Position(const HeadlessWindow& now)
      : window(now), owners(CellOwner), cellGroups(CellGroup), influence(Influence),
        groupCounts(GroupCount), groups(Groups), bridges(Bridges), bridgeCount(BridgeCount),
        sideToMove(SideToMove), selectedCell(SelectedCell), gameStarted(GameStarted),
        presetMode(PresetMode) {}

  void Restore(HeadlessWindow& now) const {
    now = window;
    CellOwner = owners;
    CellGroup = cellGroups;
    Influence = influence;
    GroupCount = groupCounts;
    Groups = groups;
    Bridges = bridges;
    BridgeCount = bridgeCount;
    SideToMove = sideToMove;
    SelectedCell = selectedCell;
    GameStarted = gameStarted;
    PresetMode = presetMode;
  }
};

// An empty cell from 200 on whose GREEN stone does not end the game.
Integer QuietCell(HeadlessWindow& window) {
  const Position before(window);
  for (Integer cell = 200;; cell = static_cast<Integer>(cell % CellCount + 1)) {
    if (CellOwner[cell] != -1) continue;
    Click(cell);
    const bool ended = window.Messages().size() != before.window.Messages().size();
    before.Restore(window);
    if (!ended) return cell;
  }
}

// One whole click: GREEN's stone, its spread, the rating, RED's reply and both win tests.
void BM_Click(benchmark::State& state) {
  HeadlessWindow window;
  SetUpLargestBoard(window, static_cast<int>(state.range(0)));
  const Integer cell = QuietCell(window);
  const Position before(window);
  for (auto _ : state) {
    Click(cell);
    state.PauseTiming();
    before.Restore(window);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Click)->ArgName("moves")->Arg(0)->Arg(20)->Arg(60)->Arg(120)
    ->Unit(benchmark::kMicrosecond);

// GREEN's choice in a seeded game: often next to one of its stones, so that chains grow.
Integer RandomGreenCell(std::mt19937& random) {
  std::vector<Integer> empty, nearGreen;
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    if (CellOwner[cell] != -1) continue;
    empty.push_back(cell);
    for (Integer k = 1; k <= 6; ++k) {
      const Integer next = ListItem(k, Neighbours[cell]);
      if (next != 0 && CellOwner[next] == 0) {
        nearGreen.push_back(cell);
        break;
      }
    }
  }
  const std::vector<Integer>& from =
      !nearGreen.empty() && std::uniform_int_distribution<>(0, 9)(random) < 6 ? nearGreen : empty;
  return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
}

// Seeded games on the largest board, one after another in one program, each click timed on
// its own: one whole game, or a long session in which the influence map drifts.
void BM_Games(benchmark::State& state) {
  HeadlessWindow window;
  std::vector<double> clickMicros;
  for (auto _ : state) {
    state.PauseTiming();
    StartLargestBoard(window);
    std::mt19937 random(2024);
    state.ResumeTiming();
    for (int games = 0; games < state.range(0);) {
      const Integer cell = RandomGreenCell(random);
      const std::size_t messages = window.Messages().size();
      const auto start = std::chrono::steady_clock::now();
      Click(cell);
      const auto end = std::chrono::steady_clock::now();
      clickMicros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
      games += static_cast<int>(window.Messages().size() - messages);
    }
  }
  std::sort(clickMicros.begin(), clickMicros.end());
  double total = 0;
  for (double micros : clickMicros) total += micros;
  state.counters["clicks"] = static_cast<double>(clickMicros.size()) / state.iterations();
  state.counters["mean_us"] = total / clickMicros.size();
  state.counters["median_us"] = clickMicros[clickMicros.size() / 2];
  state.counters["worst_us"] = clickMicros.back();
}
BENCHMARK(BM_Games)->ArgName("games")->Arg(1)->Arg(12)->Unit(benchmark::kMillisecond);

// The position the computer rates after GREEN's stone on the quiet cell.
void SetUpRating(HeadlessWindow& window, int clicks) {
  SetUpLargestBoard(window, clicks);
  SelectedCell = QuietCell(window);
  PlaceStone(SelectedCell, 0);
  SpreadInfluence(SelectedCell, 100);
  SideToMove = 1;
}

void BM_RateCells(benchmark::State& state) {
  HeadlessWindow window;
  SetUpRating(window, static_cast<int>(state.range(0)));
  const Position before(window);
  for (auto _ : state) {
    Integer cell = 0;
    RateCells(cell);
    benchmark::DoNotOptimize(cell);
    state.PauseTiming();
    before.Restore(window);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_RateCells)->ArgName("moves")->Arg(0)->Arg(20)->Arg(60)->Arg(120)
    ->Unit(benchmark::kMicrosecond);

// A spread of either sign from the centre cell; putting the map back is part of the time
// (a plain copy).
void BM_SpreadInfluence(benchmark::State& state) {
  HeadlessWindow window;
  SetUpLargestBoard(window, 60);
  const Integer centre = 221;
  const Single start = static_cast<Single>(state.range(0));
  const PerCell<Integer> influence = Influence;
  for (auto _ : state) {
    SpreadInfluence(centre, start);
    benchmark::ClobberMemory();
    Influence = influence;
  }
}
BENCHMARK(BM_SpreadInfluence)->ArgName("start")->Arg(100)->Arg(-100)->Unit(benchmark::kMicrosecond);

// Both win tests of a click; they change nothing.
void BM_CheckWin(benchmark::State& state) {
  HeadlessWindow window;
  SetUpLargestBoard(window, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    for (Integer side = 0; side <= 1; ++side) {
      Integer result = 0;
      Integer group = 0;
      CheckWin(result, side, group);
      benchmark::DoNotOptimize(result);
    }
  }
}
BENCHMARK(BM_CheckWin)->ArgName("moves")->Arg(20)->Arg(120)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
