// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The influence map: decay, the ring-by-ring spread, and sums pinned at the 16-bit bounds.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "computer/stone_placement.h"
#include "game_fixture.h"
#include "play/game_commands.h"
#include "play/influence.h"

namespace vorn::testing {
namespace {

class InfluenceTest : public GameTest {
 protected:
  void FiveByFive() { Board(5, true); }
  std::vector<int> Values() const {
    std::vector<int> values;
    for (Integer cell = 1; cell <= CellCount; ++cell) values.push_back(Influence[cell]);
    return values;
  }
};

TEST_F(InfluenceTest, DecaySequencesFromPlusAndMinusHundred) {
  std::vector<int> up, down;
  Single plus = 100, minus = -100;
  for (int step = 0; step < 20; ++step) {
    up.push_back(static_cast<int>(plus = Decay(plus)));
    down.push_back(static_cast<int>(minus = Decay(minus)));
  }
  EXPECT_EQ(up, (std::vector<int>{80, 64, 51, 40, 32, 25, 20, 16, 12, 9, 7, 5, 4, 3, 2, 1, 0, 0, 0, 0}));
  EXPECT_EQ(down, (std::vector<int>{-81, -65, -53, -43, -35, -29, -24, -20, -17, -14, -12, -10,
                                    -9, -8, -7, -6, -5, -5, -5, -5}));
}

TEST_F(InfluenceTest, GreenStoneOnTheCentreOfTheFiveByFiveBoard) {
  FiveByFive();
  PlaceStone(13, 0);
  SpreadInfluence(13, 100);
  EXPECT_EQ(Values(), (std::vector<int>{64, 64, 40, 16, 5,   //
                                       64, 80, 80, 40, 12,  //
                                       25, 80, 64, 80, 20,  //
                                       7, 32, 80, 80, 51,   //
                                       4, 9, 32, 51, 51}));
}

TEST_F(InfluenceTest, RedStoneOnTheCentreOfTheFiveByFiveBoard) {
  FiveByFive();
  PlaceStone(13, 1);
  SpreadInfluence(13, -100);
  EXPECT_EQ(Values(), (std::vector<int>{-65, -65, -43, -20, -10,  //
                                       -65, -81, -81, -43, -17,  //
                                       -29, -81, -65, -81, -24,  //
                                       -12, -35, -81, -81, -53,  //
                                       -9, -14, -35, -53, -53}));
}

TEST_F(InfluenceTest, ACornerStoneSkipsItsOffBoardNeighbours) {
  FiveByFive();
  PlaceStone(1, 0);
  SpreadInfluence(1, 100);
  EXPECT_EQ(Influence[2], 80);
  EXPECT_EQ(Influence[6], 80);
  EXPECT_EQ(Influence[7], 80);
  EXPECT_EQ(Influence[1], 64);
}

TEST_F(InfluenceTest, ASpreadNeverCreditsTheOtherColoursStones) {
  FiveByFive();
  PlaceStone(13, 0);
  PlaceStone(7, 1);
  PlaceStone(25, 1);
  SpreadInfluence(13, 100);
  EXPECT_EQ(Influence[7], 0);
  EXPECT_EQ(Influence[25], 0);
  EXPECT_EQ(Influence[8], 80);  // empty cells receive
  PlaceStone(19, 0);
  const int green13 = Influence[13];
  const int green19 = Influence[19];
  SpreadInfluence(7, -100);  // from a RED stone
  EXPECT_EQ(Influence[13], green13);
  EXPECT_EQ(Influence[19], green19);
  EXPECT_LT(Influence[25], 0);  // RED stones do receive RED's spread
}

TEST_F(InfluenceTest, OppositeSpreadsFromOneCellDoNotCancel) {
  FiveByFive();
  PlaceStone(13, 0);
  SpreadInfluence(13, 100);
  SpreadInfluence(13, -100);
  EXPECT_EQ(Influence[7], -1);   // 80 - 81
  EXPECT_EQ(Influence[13], -1);  // 64 - 65
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    EXPECT_LE(Influence[cell], -1) << cell;
    EXPECT_GE(Influence[cell], -5) << cell;
  }
}

// On the largest board the value reaches the end of its decay long before the far cells:
// they get -5 from a start of -100 and nothing from +100.
TEST_F(InfluenceTest, FarCellsOfTheLargestBoardGetTheLastValueOfTheDecay) {
  Board(21, true);
  PlaceStone(1, 1);
  SpreadInfluence(1, -100);
  EXPECT_EQ(Influence[2], -81);
  EXPECT_EQ(Influence[1], -65);
  EXPECT_EQ(Influence[441], -5);
  EXPECT_EQ(Influence[21], -5);
  PlaceStone(441, 0);
  SpreadInfluence(441, 100);
  EXPECT_EQ(Influence[21], -5);
  EXPECT_EQ(Influence[440], -5 + 80);
  EXPECT_EQ(Influence[1], -65);  // a RED stone takes nothing from GREEN's spread
}

TEST_F(InfluenceTest, InfluenceCarriesOverToTheNextBoard) {
  PlaceStone(61, 0);
  SpreadInfluence(61, 100);
  const int before = Influence[50];
  Restartx_Click();
  EXPECT_EQ(Influence[50], before);
  EXPECT_NE(before, 0);
}

TEST_F(InfluenceTest, ManySpreadsOnOneCellPinTheValuesAtTheBounds) {
  FiveByFive();
  PlaceStone(13, 0);
  for (int spread = 0; spread < 2000; ++spread) SpreadInfluence(13, 100);
  EXPECT_EQ(Influence[13], std::numeric_limits<Integer>::max());
  EXPECT_EQ(Influence[7], std::numeric_limits<Integer>::max());
  EXPECT_EQ(Influence[21], 2000 * 4);  // still growing below the bound
  for (int spread = 0; spread < 3000; ++spread) SpreadInfluence(13, -100);
  EXPECT_EQ(Influence[13], std::numeric_limits<Integer>::min());
  EXPECT_EQ(Influence[7], std::numeric_limits<Integer>::min());
}

}  // namespace
}  // namespace vorn::testing
