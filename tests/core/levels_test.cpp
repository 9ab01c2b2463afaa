// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer's levels in the play flow: RED's reply through the engine at the Strong level,
// answers that come back late, the mirror answer on short boards, and the hint.
#include <optional>

#include "computer/computer_move.h"
#include "computer/levels.h"
#include "computer/reply_search.h"
#include "core/game_fixture.h"
#include "play/hint.h"
#include "play/preset.h"
#include "support/invariants.h"

namespace vorn::testing {
namespace {

// A window with a worker: it keeps the requests and answers them only when told.
class WorkerWindow : public HeadlessWindow {
 public:
  bool StartSearch(const SearchRequest& request) override {
    pending = request;
    return true;
  }
  std::optional<SearchRequest> pending;
};

class LevelsTest : public GameTest {
 protected:
  void UseWorker() { AttachWindow(&worker); }
  WorkerWindow worker;
};

TEST_F(LevelsTest, NamesAreFoundExactlyAndListed) {
  EXPECT_EQ(FindLevel("Strong"), Level::Strong);
  EXPECT_EQ(FindLevel("Standard"), Level::Standard);
  EXPECT_FALSE(FindLevel("strong"));
  EXPECT_FALSE(FindLevel(""));
  EXPECT_EQ(LevelNameList(), "Standard, Strong");
}

// GREEN leaves RED a cell that joins top and bottom: the engine takes it and RED wins.
TEST_F(LevelsTest, StrongTakesItsWinningCell) {
  Board(5, true);
  SetComputerLevel(Level::Strong);
  LayChain(1, 1, {CellAt(1, 3), CellAt(2, 3), CellAt(4, 3), CellAt(5, 3)});
  GroupCount[1] = 1;
  Click(CellAt(5, 1));
  ASSERT_FALSE(window.Messages().empty());
  EXPECT_EQ(window.Messages().back(), "RED WON - click here to continue");
}

TEST_F(LevelsTest, StrongPlaysAnEmptyCellAndLeavesAPositionStandardCanContinue) {
  Board(7, true);
  SetComputerLevel(Level::Strong);
  for (const Integer cell : {Integer{25}, Integer{10}, Integer{40}}) {
    if (CellOwner[cell] == -1) Click(cell);
  }
  EXPECT_EQ(PlayerMoves[1].size(), PlayerMoves[0].size());
  EXPECT_TRUE(PositionFaults().empty());
  SetComputerLevel(Level::Standard);
  Click(LowestEmptyCell());
  EXPECT_EQ(PlayerMoves[1].size(), PlayerMoves[0].size());
  EXPECT_TRUE(PositionFaults().empty());
}

// On a short board every level answers with the mirror partner, as Standard does.
TEST_F(LevelsTest, ShortBoardKeepsTheMirrorAnswer) {
  Board(6, false);
  SetComputerLevel(Level::Strong);
  Click(8);
  ASSERT_EQ(PlayerMoves[1].size(), 1u);
  EXPECT_EQ(MirrorPair[PlayerMoves[1].back()], MirrorPair[8]);
  EXPECT_NE(PlayerMoves[1].back(), 8);
}

TEST_F(LevelsTest, WhileTheEngineSearchesTheBoardTakesNoStone) {
  Board(7, true);
  SetComputerLevel(Level::Strong);
  UseWorker();
  Click(25);
  ASSERT_TRUE(worker.pending.has_value());
  EXPECT_TRUE(AwaitingReply());
  EXPECT_EQ(SideToMove, 1);
  Click(26);
  EXPECT_EQ(CellOwner[26], -1);
  EXPECT_FALSE(HintAvailable());
  CompleteSearch(worker.pending->ticket, SearchPurpose::Reply, 24);
  EXPECT_EQ(CellOwner[24], 1);
  EXPECT_EQ(SideToMove, 0);
  EXPECT_TRUE(worker.Enabled());
  // The same answer again is no second stone.
  CompleteSearch(worker.pending->ticket, SearchPurpose::Reply, 23);
  EXPECT_EQ(CellOwner[23], -1);
}

// A worker's answer off the board or on a stone still gives RED a legal move.
TEST_F(LevelsTest, AnUnusableAnswerPlaysTheLowestEmptyCell) {
  Board(7, true);
  SetComputerLevel(Level::Strong);
  UseWorker();
  for (const Integer answer : {Integer{500}, Integer{-3}, Integer{25}}) {
    Click(LowestEmptyCell() == 1 ? 25 : LowestEmptyCell());
    ASSERT_TRUE(AwaitingReply());
    const Integer expected = LowestEmptyCell();
    CompleteSearch(worker.pending->ticket, SearchPurpose::Reply, answer);
    EXPECT_EQ(CellOwner[expected], 1) << "answer " << answer;
  }
}

TEST_F(LevelsTest, ANewBoardDropsTheLateAnswer) {
  Board(7, true);
  SetComputerLevel(Level::Strong);
  UseWorker();
  Click(25);
  ASSERT_TRUE(worker.pending.has_value());
  Restartx_Click();
  CompleteSearch(worker.pending->ticket, SearchPurpose::Reply, 24);
  EXPECT_EQ(Stones(), 0);
  EXPECT_FALSE(AwaitingReply());
  EXPECT_EQ(SideToMove, 0);
}

TEST_F(LevelsTest, HintIsForGreensTurnInAGameAndLastsUntilTheNextStone) {
  Board(5, true);
  LayChain(0, 1, {CellAt(3, 1), CellAt(3, 2), CellAt(3, 4), CellAt(3, 5)});
  Hintx_Click();
  EXPECT_EQ(HintedCell(), CellAt(3, 3));  // the winning cell
  Click(CellAt(1, 1));
  EXPECT_EQ(HintedCell(), 0);
  Presetx_Click();
  EXPECT_FALSE(HintAvailable());
  Hintx_Click();
  EXPECT_EQ(HintedCell(), 0);
}

TEST_F(LevelsTest, AHintAnsweredAfterAStoneIsDropped) {
  Board(7, true);
  UseWorker();
  Hintx_Click();
  ASSERT_TRUE(worker.pending.has_value());
  EXPECT_EQ(worker.pending->position.toMove, 0);
  const SearchRequest hint = *worker.pending;
  Click(25);
  CompleteSearch(hint.ticket, SearchPurpose::Hint, 3);
  EXPECT_EQ(HintedCell(), 0);
}

}  // namespace
}  // namespace vorn::testing
