// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules every front end keeps, whatever its window system: the keys of a click's
// modifier mask, the fill styles a polygon may ask for, how a message box answers the
// mouse, and when the help window's "Back" and "Forward" act. Each front end maps its own
// events and means onto these and keeps only what is truly its platform's. The page reaches
// them through its glue (ui/web/page_entry.cpp).
#pragma once

#include <cstdint>
#include <string_view>

#include "game/runtime.h"

namespace vorn {

// --- The modifier mask of a mouse release -------------------------------------------------

// The keys held at a release, each a bit of the mask the game reads (0 = none held).
inline constexpr Integer kShiftKey = 1;
inline constexpr Integer kCtrlKey = 2;
inline constexpr Integer kAltKey = 4;

struct HeldKeys {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};
Integer ModifierMask(HeldKeys keys);

// --- Fill styles ------------------------------------------------------------------------

// What a polygon's fill style asks for: 0 solid, 1 none, 2..7 lines of the fill colour over
// what lies beneath.
enum class FillPattern {
  kSolid,
  kTransparent,
  kHorizontal,
  kVertical,
  kUpwardDiagonal,    // "/"
  kDownwardDiagonal,  // "\"
  kCross,
  kDiagonalCross,
};
// The pattern of `style`. A style outside 0..7 is a fault of the game, thrown as a run-time
// error before anything is drawn or kept, so that every front end fails alike and the error
// boundary gives a fresh board.
FillPattern CheckedFillStyle(Integer style);

// --- The message box and the mouse ----------------------------------------------------------

// A platform that cannot tell its double-click interval uses Windows' default.
inline constexpr std::int64_t kStandardDoubleClickMs = 500;

// A box may come up under the pointer, at the second click of a double click on the board.
// So presses within the double-click interval after the box was shown are ignored, and so
// are their releases. Its text says "click here": a click on the text, a press of the left
// button and its release both on the text, closes it as OK does. Times are milliseconds of
// any clock that only goes forward.
class MessageBoxMouse {
 public:
  enum class Verdict {
    kPassOn,  // the box handles it as usual
    kIgnore,  // the box must not see it
    kClose,   // the box closes, as if OK were pressed
  };

  void Shown(std::int64_t nowMs, std::int64_t doubleClickMs);
  Verdict Press(std::int64_t nowMs, bool leftButton, bool onText);
  Verdict Release(bool leftButton, bool onText);

 private:
  bool shown_ = false;
  std::int64_t shownAt_ = 0;
  std::int64_t doubleClickMs_ = 0;
  bool pressIgnored_ = false;
  bool textPressed_ = false;
};

// --- The keyboard's cell ----------------------------------------------------------------

// The keys that move the cell the keyboard plays: the arrows by one cell (up and down a
// row, left and right along it), Home and End to the row's ends.
enum class FocusKey { kLeft, kRight, kUp, kDown, kHome, kEnd };

// Where `key` moves the keyboard's cell `from` (1..cellsPerRow x rows) on a board of
// `cellsPerRow` cells in each of its `rows` rows, stopping at the board's edges.
Integer MovedFocus(Integer from, FocusKey key, Integer cellsPerRow, Integer rows);

// --- The help window --------------------------------------------------------------------

// "Back" and "Forward" step through the help's history only on a page reached through a
// link to an anchor, an address with a "#" anywhere in it; on any other page they do
// nothing.
template <typename Char>
bool ReachedThroughAnchor(std::basic_string_view<Char> address) {
  return address.find(Char('#')) != std::basic_string_view<Char>::npos;
}

}  // namespace vorn
