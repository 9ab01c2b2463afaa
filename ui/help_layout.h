// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The help window's layout, which every desktop front end shares: in twips, relative to its
// client area, as the window was designed.
#pragma once

namespace vorn::help_layout {

inline constexpr double kClientWidth = 7185;
inline constexpr double kClientHeight = 5625;
// "Back", "Forward" and "Exit", side by side at the top.
inline constexpr double kButtonTop = 30;
inline constexpr double kButtonWidth = 1095;
inline constexpr double kButtonHeight = 375;
inline constexpr double kBackLeft = 60;
inline constexpr double kForwardLeft = 1155;
inline constexpr double kExitLeft = 2250;
// The page below them; it grows and shrinks with the window.
inline constexpr double kBrowserLeft = 30;
inline constexpr double kBrowserTop = 420;
inline constexpr double kBrowserWidth = 7110;
inline constexpr double kBrowserHeight = 5460;
// Client width less this gives the view's width, client height less this its height: the
// view keeps the margin it has on the left (30 twips) on the right and below too.
inline constexpr double kBrowserWidthMargin = kBrowserLeft + 30;
inline constexpr double kBrowserHeightMargin = kBrowserTop + 30;

}  // namespace vorn::help_layout
