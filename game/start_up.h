// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up of the main window: the constants of the game and the drawing, then the first board.
#pragma once

#include "game/runtime.h"
#include "game/window_services.h"

namespace vorn {

// The most twips per pixel the game works with: a screen of 96 pixels to the inch. On one of
// fewer (a logical DPI below 96, as at QT_FONT_DPI=30) the twips of the larger boards would
// not fit in 16 bits, so such a screen is taken as one of 96. Every window converts the
// game's twips back to pixels with the same value, so nothing on the screen changes.
inline constexpr Single kMostTwipsPerPixel = kStandardTwipsPerPixel;

// The twips per pixel the game works with on a screen that has `screenTwipsPerPixel`: at most
// kMostTwipsPerPixel. A value that is no positive number is a fault of the window.
Single WorkingTwipsPerPixel(Single screenTwipsPerPixel);

// Runs once when the main window is loaded; leaves GREEN to move on an empty 11 x 11 board.
void Form_Load();

}  // namespace vorn
