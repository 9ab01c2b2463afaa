// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Cell lists and the runtime conversions beneath them.
#include <gtest/gtest.h>

#include <limits>

#include "game/cell_lists.h"
#include "game/state.h"

namespace vorn::testing {
namespace {

TEST(CellListTest, ListItemReadsEntriesXxxAndMarkers) {
  EXPECT_EQ(ListItem(1, ""), 0);
  EXPECT_EQ(ListItem(1, "001,002,"), 1);
  EXPECT_EQ(ListItem(2, "001,002,"), 2);
  EXPECT_EQ(ListItem(3, "001,002,"), 0);  // past the end
  EXPECT_EQ(ListItem(2, "001,XXX,003,"), 0);
  EXPECT_EQ(ListItem(3, "001,XXX,003,"), 3);
  EXPECT_EQ(ListItem(2, "123,999,"), 999);
  EXPECT_EQ(ListItem(1, "012,"), 12);
}

TEST(CellListTest, IndexesBeforeTheFirstEntryOrOverflowingAreErrors) {
  EXPECT_THROW(ListItem(0, "001,"), RunTimeError);
  EXPECT_THROW(ListItem(-3, "001,"), RunTimeError);
  EXPECT_THROW(ListItem(std::numeric_limits<Integer>::max(), "001,"), RunTimeError);
  EXPECT_EQ(ListItem(8192, "001,"), 0);  // (8192 - 1) x 4 + 1 = 32765 still fits
}

TEST(CellListTest, CellCodePadsToThreeDigits) {
  EXPECT_EQ(CellCode(5), "005");
  EXPECT_EQ(CellCode(0), "000");
  EXPECT_EQ(CellCode(121), "121");
  EXPECT_EQ(CellCode(484), "484");
  EXPECT_EQ(CellCode(1234), "1234");
  EXPECT_EQ(CellCode(-1), "-001");
}

TEST(CellListTest, ListHasIsASubstringSearch) {
  EXPECT_EQ(ListHas(23, "123,230,"), No);  // "123" and "230", never "023"
  EXPECT_EQ(ListHas(123, "123,230,"), Yes);
  EXPECT_EQ(ListHas(230, "123,230,"), Yes);
  EXPECT_EQ(ListHas(1, ""), No);
  EXPECT_EQ(ListHas(7, "001,013,002,012,006,008"), No);
  EXPECT_EQ(ListHas(8, "001,013,002,012,006,008"), Yes);
}

TEST(RuntimeTest, ConversionsRoundHalvesToEven) {
  EXPECT_EQ(RoundHalfEvenToInteger(148.5), 148);
  EXPECT_EQ(RoundHalfEvenToInteger(134.5), 134);
  EXPECT_EQ(RoundHalfEvenToInteger(175.5), 176);
  EXPECT_EQ(RoundHalfEvenToInteger(-2.5), -2);
  EXPECT_EQ(RoundHalfEvenToInteger(2.4999), 2);
  EXPECT_EQ(RoundHalfEvenToLong(283.5), 284);
  EXPECT_THROW(RoundHalfEvenToInteger(32767.5), RunTimeError);  // rounds to 32768
  EXPECT_EQ(RoundHalfEvenToInteger(32766.5), 32766);
  EXPECT_THROW(ToInteger(40000), RunTimeError);
  EXPECT_THROW(ToInteger(-32769), RunTimeError);
}

TEST(RuntimeTest, ToIntegerTakesTheWhole16BitRangeAndNothingBeyond) {
  EXPECT_EQ(ToInteger(32767), 32767);
  EXPECT_EQ(ToInteger(-32768), -32768);
  EXPECT_THROW(ToInteger(32768), RunTimeError);
  EXPECT_THROW(ToInteger(-32769), RunTimeError);
}

TEST(RuntimeTest, LeadingNumberReadsTheNumericPrefix) {
  EXPECT_EQ(LeadingNumber("012"), 12);
  EXPECT_EQ(LeadingNumber("XXX"), 0);
  EXPECT_EQ(LeadingNumber(""), 0);
  EXPECT_EQ(LeadingNumber("-01"), -1);
  EXPECT_EQ(LeadingNumber("12,3"), 12);
  EXPECT_EQ(LeadingNumber(" 7"), 7);
  EXPECT_DOUBLE_EQ(LeadingNumber("1.5x"), 1.5);
}

TEST(RuntimeTest, WithLeadingSpacePutsASpaceBeforeNonNegativeNumbers) {
  EXPECT_EQ(WithLeadingSpace(11), " 11");
  EXPECT_EQ(WithLeadingSpace(0), " 0");
  EXPECT_EQ(WithLeadingSpace(-4), "-4");
}

TEST(RuntimeTest, SaturatingAddPinsAtTheBounds) {
  EXPECT_EQ(SaturatingAdd(32700, 100), 32767);
  EXPECT_EQ(SaturatingAdd(-32700, -100), -32768);
  EXPECT_EQ(SaturatingAdd(32767, -81), 32686);
  EXPECT_EQ(SaturatingAdd(10, -5), 5);
}

}  // namespace
}  // namespace vorn::testing
