// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The boundary between a window's events and the game. Every front end runs each mouse
// release and menu command through it: a run-time error of the game is a fault that must not
// unwind into the window system's event loop, and after one only a fresh board is trusted.
#pragma once

#include <functional>
#include <string>

namespace vorn {

enum class GuardOutcome {
  kRan,        // the handler ran to its end
  kRecovered,  // it failed; the fault was reported and GREEN has a fresh board
  kStopped,    // it failed and no fresh board could be built: the window is disabled and the
               // front end must end the program with a failure status
};

// Runs `handler`. A fault is reported in a message box, and play goes on with GREEN to move
// on a fresh board of the size and shape that stood before the handler ran, so that a
// command that cannot build its own board never fails the same way twice.
GuardOutcome RunGuarded(const std::function<void()>& handler);

}  // namespace vorn
