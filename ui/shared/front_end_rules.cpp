// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules every front end keeps.
#include "ui/shared/front_end_rules.h"

#include <algorithm>
#include <string>

namespace vorn {

Integer ModifierMask(HeldKeys keys) {
  return static_cast<Integer>((keys.shift ? kShiftKey : 0) | (keys.ctrl ? kCtrlKey : 0) |
                              (keys.alt ? kAltKey : 0));
}

FillPattern CheckedFillStyle(Integer style) {
  if (style < static_cast<Integer>(FillPattern::kSolid) ||
      style > static_cast<Integer>(FillPattern::kDiagonalCross)) {
    throw RunTimeError("no fill style " + std::to_string(style) + ": the styles are 0..7");
  }
  return static_cast<FillPattern>(style);
}

void MessageBoxMouse::Shown(std::int64_t nowMs, std::int64_t doubleClickMs) {
  shown_ = true;
  shownAt_ = nowMs;
  doubleClickMs_ = doubleClickMs;
  pressIgnored_ = false;
  textPressed_ = false;
}

MessageBoxMouse::Verdict MessageBoxMouse::Press(std::int64_t nowMs, bool leftButton,
                                                bool onText) {
  if (!shown_ || nowMs - shownAt_ < doubleClickMs_) {
    pressIgnored_ = true;
    return Verdict::kIgnore;
  }
  pressIgnored_ = false;
  textPressed_ = leftButton && onText;
  return textPressed_ ? Verdict::kIgnore : Verdict::kPassOn;
}

MessageBoxMouse::Verdict MessageBoxMouse::Release(bool leftButton, bool onText) {
  if (pressIgnored_) {
    pressIgnored_ = false;
    return Verdict::kIgnore;
  }
  if (!textPressed_ || !leftButton) return Verdict::kPassOn;
  textPressed_ = false;
  return onText ? Verdict::kClose : Verdict::kIgnore;
}

Integer MovedFocus(Integer from, FocusKey key, Integer cellsPerRow, Integer rows) {
  Integer row = (from - 1) / cellsPerRow;
  Integer column = (from - 1) % cellsPerRow;
  switch (key) {
    case FocusKey::kLeft: column = std::max<Integer>(0, column - 1); break;
    case FocusKey::kRight: column = std::min<Integer>(cellsPerRow - 1, column + 1); break;
    case FocusKey::kUp: row = std::max<Integer>(0, row - 1); break;
    case FocusKey::kDown: row = std::min<Integer>(rows - 1, row + 1); break;
    case FocusKey::kHome: column = 0; break;
    case FocusKey::kEnd: column = cellsPerRow - 1; break;
  }
  return row * cellsPerRow + column + 1;
}

}  // namespace vorn
