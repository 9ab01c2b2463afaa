// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a message box stands beside the main window, where a window that has grown goes, and
// where a dialog centred over it stands.
#include <gtest/gtest.h>

#include "display/window_placement.h"

namespace vorn::testing {
namespace {

TEST(MessageBoxPlacementTest, BesideTheWindowWhereThereIsRoomElseAwayFromItOnTheScreen) {
  const ScreenRect screen{0, 0, 1000, 800};
  auto place = [&](ScreenRect window, int width = 300, int height = 100) {
    return PlaceBeside(window, width, height, screen, 8);
  };
  // Room on the right: beside the window, level with its middle.
  EXPECT_EQ(place({100, 100, 400, 300}), (ScreenPoint{508, 199}));
  // The window against the right edge: on its left.
  EXPECT_EQ(place({600, 100, 400, 300}), (ScreenPoint{292, 199}));
  // As wide as the screen: below it, then above it.
  EXPECT_EQ(place({0, 100, 1000, 300}), (ScreenPoint{349, 408}));
  EXPECT_EQ(place({0, 690, 1000, 110}), (ScreenPoint{349, 582}));
  // No room anywhere: against the side of the screen that covers least of the window.
  EXPECT_EQ(place({200, 50, 700, 700}), (ScreenPoint{0, 349}));
  // A box wider than the screen starts at its left edge; a screen that does not start at 0.
  EXPECT_EQ(place({0, 0, 500, 300}, 1200), (ScreenPoint{0, 308}));
  EXPECT_EQ(PlaceBeside({-1500, 0, 400, 300}, 300, 100, {-1920, 0, 1920, 1080}, 8),
            (ScreenPoint{-1092, 99}));
}

// A window grown from its top left corner near the bottom right of the screen left most of
// a 21 x 21 board and its close box off the screen.
TEST(WindowPlacementTest, AWindowThatHasGrownIsMovedBackWhollyOntoTheScreen) {
  const ScreenRect work{0, 0, 1280, 760};  // a work area above a task bar
  EXPECT_EQ(KeepOnScreen({100, 50, 486, 308}, work), (ScreenPoint{100, 50}));   // stays
  EXPECT_EQ(KeepOnScreen({1000, 600, 870, 520}, work), (ScreenPoint{410, 240}));
  EXPECT_EQ(KeepOnScreen({-40, -10, 486, 308}, work), (ScreenPoint{0, 0}));
  // Larger than the work area: its top left corner, where the title and menus are.
  EXPECT_EQ(KeepOnScreen({500, 300, 1400, 900}, work), (ScreenPoint{0, 0}));
  // A monitor left of the main one.
  EXPECT_EQ(KeepOnScreen({-200, 900, 870, 520}, {-1920, 0, 1920, 1040}),
            (ScreenPoint{-870, 520}));
}

TEST(WindowPlacementTest, ADialogCentredOverTheWindowStaysOnTheScreen) {
  const ScreenRect screen{0, 0, 1280, 1024};
  EXPECT_EQ(CentreOver({396, 347, 486, 308}, 329, 124, screen), (ScreenPoint{474, 439}));
  // A window against the top left corner: the dialog no further than the screen's edge.
  EXPECT_EQ(CentreOver({-100, -50, 300, 100}, 329, 124, screen), (ScreenPoint{0, 0}));
}

}  // namespace
}  // namespace vorn::testing
