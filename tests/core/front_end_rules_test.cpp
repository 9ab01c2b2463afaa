// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules every front end keeps (ui/shared): the modifier mask, the fill styles, the
// message box's answer by mouse and help's Back and Forward.
#include <gtest/gtest.h>

#include <string_view>

#include "ui/shared/front_end_rules.h"

namespace vorn::testing {
namespace {

TEST(FrontEndRulesTest, TheMaskHasShiftOneCtrlTwoAltFour) {
  EXPECT_EQ(ModifierMask({}), 0);
  EXPECT_EQ(ModifierMask({.shift = true}), 1);
  EXPECT_EQ(ModifierMask({.ctrl = true}), 2);
  EXPECT_EQ(ModifierMask({.alt = true}), 4);
  EXPECT_EQ(ModifierMask({.shift = true, .ctrl = true, .alt = true}), 7);
}

TEST(FrontEndRulesTest, FillStylesAreZeroToSevenAndAnyOtherIsAFault) {
  EXPECT_EQ(CheckedFillStyle(0), FillPattern::kSolid);
  EXPECT_EQ(CheckedFillStyle(1), FillPattern::kTransparent);
  EXPECT_EQ(CheckedFillStyle(4), FillPattern::kUpwardDiagonal);
  EXPECT_EQ(CheckedFillStyle(7), FillPattern::kDiagonalCross);
  EXPECT_THROW(CheckedFillStyle(8), RunTimeError);
  EXPECT_THROW(CheckedFillStyle(-1), RunTimeError);
}

using Verdict = MessageBoxMouse::Verdict;

// Shown at 1000 with a double-click interval of 500: presses until 1499 are too early.
TEST(FrontEndRulesTest, TheBoxIgnoresPressesWithinTheDoubleClickIntervalAndTheirReleases) {
  MessageBoxMouse box;
  box.Shown(1000, 500);
  EXPECT_EQ(box.Press(1000, true, false), Verdict::kIgnore);
  EXPECT_EQ(box.Release(true, false), Verdict::kIgnore);
  EXPECT_EQ(box.Press(1499, true, true), Verdict::kIgnore);
  EXPECT_EQ(box.Release(true, true), Verdict::kIgnore);  // not a click on the text
  EXPECT_EQ(box.Press(1500, true, false), Verdict::kPassOn);
  EXPECT_EQ(box.Release(true, false), Verdict::kPassOn);
  // A box shown again starts its interval again.
  box.Shown(5000, 500);
  EXPECT_EQ(box.Press(5200, false, false), Verdict::kIgnore);
}

TEST(FrontEndRulesTest, ALeftPressAndReleaseOnTheTextCloseTheBox) {
  MessageBoxMouse box;
  box.Shown(0, 500);
  EXPECT_EQ(box.Press(600, true, true), Verdict::kIgnore);  // the text is no control
  EXPECT_EQ(box.Release(true, true), Verdict::kClose);
  // Released off the text: no click. Another button on it: no click either.
  EXPECT_EQ(box.Press(700, true, true), Verdict::kIgnore);
  EXPECT_EQ(box.Release(true, false), Verdict::kIgnore);
  EXPECT_EQ(box.Press(800, false, true), Verdict::kPassOn);
  EXPECT_EQ(box.Release(false, true), Verdict::kPassOn);
  // Pressed elsewhere and released on the text: no click.
  EXPECT_EQ(box.Press(900, true, false), Verdict::kPassOn);
  EXPECT_EQ(box.Release(true, true), Verdict::kPassOn);
}

TEST(FrontEndRulesTest, BackAndForwardActOnlyOnAPageReachedThroughAnAnchor) {
  EXPECT_TRUE(ReachedThroughAnchor(std::string_view("file:///games/vorn.htm#rules")));
  EXPECT_TRUE(ReachedThroughAnchor(std::wstring_view(L"C:\\Games\\vorn.htm#")));
  EXPECT_FALSE(ReachedThroughAnchor(std::string_view("file:///games/vorn.htm")));
  EXPECT_FALSE(ReachedThroughAnchor(std::u16string_view(u"")));
}

}  // namespace
}  // namespace vorn::testing
