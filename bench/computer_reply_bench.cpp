// How long a click takes on the largest board: GREEN's stone, the computer's rating of the
// position and its reply, at several stages of a game.
#include <benchmark/benchmark.h>

#include "computer/computer_move.h"
#include "game/cell_lists.h"
#include "game/headless_window.h"
#include "game/start_up.h"
#include "game/state.h"
#include "play/game_commands.h"
#include "play/influence.h"
#include "play/mouse_input.h"

namespace {

using namespace vorn;

// A fresh program with the largest square board, and `clicks` GREEN moves already answered.
// GREEN plays a fixed scatter of cells so that chains, bridges and edge threats build up.
void SetUpLargestBoard(HeadlessWindow& window, int clicks) {
  ResetModuleState();
  AttachWindow(&window);
  Form_Load();
  for (int step = 0; step < 10; ++step) Increasex_Click();
  int cell = 1;
  for (int played = 0; played < clicks;) {
    cell = cell % CellCount + 97;  // a stride prime to 441 visits every cell in turn
    if (cell > CellCount) cell -= CellCount;
    if (CellOwner[cell] != -1) continue;
    const std::size_t messages = window.Messages().size();
    Form_MouseUp(1, 0, CellTwipX[cell] + 202.5F, CellTwipY[cell] + 105);
    if (window.Messages().size() != messages) break;  // a game ended: stop there
    ++played;
  }
}

Integer NextEmptyCell(Integer from) {
  for (Integer cell = from; cell <= CellCount; ++cell) {
    if (CellOwner[cell] == -1) return cell;
  }
  return LowestEmptyCell();
}

// One whole click: GREEN's stone, its spread, the rating, RED's reply and both win tests.
void BM_GreenClickAndReply(benchmark::State& state) {
  HeadlessWindow window;
  SetUpLargestBoard(window, static_cast<int>(state.range(0)));
  const PerCell<Integer> owners = CellOwner;
  const auto groups = Groups;
  const auto cellGroups = CellGroup;
  const auto groupCounts = GroupCount;
  const PerCell<Integer> influence = Influence;
  const Integer cell = NextEmptyCell(200);
  for (auto _ : state) {
    Form_MouseUp(1, 0, CellTwipX[cell] + 202.5F, CellTwipY[cell] + 105);
    state.PauseTiming();
    CellOwner = owners;
    Groups = groups;
    CellGroup = cellGroups;
    GroupCount = groupCounts;
    Influence = influence;
    GameStarted = Yes;
    state.ResumeTiming();
  }
}
BENCHMARK(BM_GreenClickAndReply)->Arg(0)->Arg(20)->Arg(60)->Arg(120)->Unit(benchmark::kMillisecond);

void BM_SpreadInfluence(benchmark::State& state) {
  HeadlessWindow window;
  SetUpLargestBoard(window, 0);
  CellOwner[221] = 0;
  for (auto _ : state) benchmark::DoNotOptimize(SpreadInfluence(221, 100));
}
BENCHMARK(BM_SpreadInfluence)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
