// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules every front end keeps.
#include "ui/shared/front_end_rules.h"

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

}  // namespace vorn
