// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Bridge records: empty cells that would join two GREEN chains.
#include <gtest/gtest.h>

#include <algorithm>

#include "computer/bridges.h"
#include "computer/stone_placement.h"
#include "game_fixture.h"

namespace vorn::testing {
namespace {

class BridgesTest : public GameTest {
 protected:
  std::vector<std::string> Records() {
    BridgeCount = 0;
    FindBridges(0);
    std::vector<std::string> records;
    for (Integer k = 1; k <= BridgeCount; ++k) records.push_back(Bridges[k]);
    return records;
  }
  static long Count(const std::vector<std::string>& records, const std::string& record) {
    return std::count(records.begin(), records.end(), record);
  }
};

TEST_F(BridgesTest, TwoStonesGiveTwoRecordsInScanOrder) {
  PlaceStone(13, 0);
  PlaceStone(26, 0);
  EXPECT_EQ(Records(), (std::vector<std::string>{"025,001&002", "014,001&002"}));
  EXPECT_EQ(ListItem(1, Bridges[1]), 25);
  EXPECT_EQ(ListItem(2, Bridges[1]), 1);
  EXPECT_EQ(ListItem(3, Bridges[1]), 2);
}

TEST_F(BridgesTest, ACellTouchingThreeGroupsStandsInOneRecordPerPair) {
  const Integer cell = CellAt(5, 5);
  PlaceStone(cell - 12, 0);        // up-left: slot 1
  PlaceStone(cell + 11, 0);        // down-left: slot 2
  PlaceStone(CellAt(10, 10), 0);   // slot 3, far away
  PlaceStone(cell + 1, 0);         // right: slot 4
  const auto records = Records();
  const std::string code = CellCode(cell);
  EXPECT_EQ(Count(records, code + ",001&002"), 1);
  EXPECT_EQ(Count(records, code + ",001&004"), 1);
  EXPECT_EQ(Count(records, code + ",002&004"), 1);
  EXPECT_EQ(std::count_if(records.begin(), records.end(),
                          [&](const std::string& r) { return r.substr(0, 3) == code; }),
            3);
  // Within one rebuild the smaller slot always comes first.
  for (const std::string& record : records) EXPECT_LT(ListItem(2, record), ListItem(3, record));
}

TEST_F(BridgesTest, ACellReachedThroughSeveralStonesIsRecordedOnce) {
  PlaceStone(13, 0);
  PlaceStone(14, 0);  // slot 1 holds 13 and 14, both next to 25
  PlaceStone(37, 0);  // slot 2, next to 25 and 26
  EXPECT_EQ(Records(), (std::vector<std::string>{"025,001&002", "026,001&002"}));
}

TEST_F(BridgesTest, OneChainOrNoneGivesNoRecords) {
  EXPECT_TRUE(Records().empty());
  for (int cell : {13, 14, 15, 16, 27, 38}) PlaceStone(static_cast<Integer>(cell), 0);
  EXPECT_TRUE(Records().empty());
}

TEST_F(BridgesTest, SlotsEmptiedByAMergeAreSkipped) {
  PlaceStone(13, 0);  // slot 1
  PlaceStone(15, 0);  // slot 2
  PlaceStone(14, 0);  // joins slot 1, slot 2 absorbs: slot 1 empty
  EXPECT_TRUE(Records().empty());
  PlaceStone(CellAt(4, 4), 0);  // reuses slot 1
  PlaceStone(CellAt(8, 8), 0);  // slot 3
  for (const std::string& record : Records()) {
    EXPECT_FALSE(Groups[0][ListItem(2, record)].empty()) << record;
    EXPECT_FALSE(Groups[0][ListItem(3, record)].empty()) << record;
  }
}

TEST_F(BridgesTest, OffBoardPositionsAreNeverRecorded) {
  PlaceStone(1, 0);    // a corner: four of its neighbours are off the board
  PlaceStone(3, 0);    // 2 lies between the two
  PlaceStone(111, 0);  // another corner, alone
  EXPECT_EQ(Records(), (std::vector<std::string>{"002,001&002"}));
}

TEST_F(BridgesTest, ACellTouchingTheSecondGroupThroughTwoStonesIsRecordedOnce) {
  PlaceStone(13, 0);  // slot 1
  PlaceStone(26, 0);  // slot 2
  PlaceStone(15, 0);  // slot 2 as well; 14 touches 13, 26 and 15
  EXPECT_EQ(Records(), (std::vector<std::string>{"025,001&002", "014,001&002"}));
}

TEST_F(BridgesTest, AFullListTakesNoMoreRecords) {
  PlaceStone(13, 0);
  PlaceStone(26, 0);
  BridgeCount = 483;
  FindBridges(0);  // finds two records, room for one
  EXPECT_EQ(BridgeCount, 484);
  EXPECT_EQ(Bridges[484], "025,001&002");
}

}  // namespace
}  // namespace vorn::testing
