// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The error boundary.
#include "play/error_boundary.h"

#include <exception>

#include "game/state.h"
#include "game/window_services.h"
#include "play/game_commands.h"
#include "play/turns.h"

namespace vorn {

namespace {

struct BoardShape {
  Integer size = 0;
  Integer square = No;
};

BoardShape CurrentShape() { return {BoardSize, SquareBoard}; }

// No fresh board can be had: the window is disabled and the front end ends the program. The
// window may fail even to say so, and is then disabled all the same.
GuardOutcome Stop(const std::string& error) {
  try {
    Window().MessageBox("Vorn cannot build a fresh board and stops:\n" + error);
  } catch (...) {  // nothing more can be told
  }
  try {
    Window().SetEnabled(false);
  } catch (...) {  // the front end ends the program all the same
  }
  return GuardOutcome::kStopped;
}

// The game's state may be anything after an error, so only a new board is trusted: one of
// the size and shape that stood before the event. That board was built once already, while
// the one a size command failed to build would only fail again. Should even the board
// before fail, or the window fail to say what happened, nothing can be trusted any more.
GuardOutcome RecoverFrom(const std::string& error, BoardShape before) {
  try {
    Window().MessageBox("Vorn met an internal error and starts a fresh board:\n" + error);
    if (before.size < kSmallestBoard) throw RunTimeError("no board was built before the error");
    BuildBoard(before.size, before.square);
    SideToMove = 1;
    SwitchTurn();  // GREEN to move, the window enabled
    return GuardOutcome::kRecovered;
  } catch (const std::exception& fault) {
    return Stop(fault.what());
  } catch (...) {
    return Stop("an unknown error");
  }
}

}  // namespace

GuardOutcome RunGuarded(const std::function<void()>& handler) {
  const BoardShape before = CurrentShape();
  std::string error;
  try {
    handler();
    return GuardOutcome::kRan;
  } catch (const std::exception& fault) {
    error = fault.what();
  } catch (...) {
    error = "an unknown error";
  }
  return RecoverFrom(error, before);
}

}  // namespace vorn
