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

// The game's state may be anything after an error, so only a new board is trusted. Should
// even that fail, nothing can be trusted any more.
GuardOutcome RecoverFrom(const std::string& error) {
  Window().MessageBox("Vorn met an internal error and starts a fresh board:\n" + error);
  try {
    Restartx_Click();
    SideToMove = 1;
    SwitchTurn();  // GREEN to move, the window enabled
    return GuardOutcome::kRecovered;
  } catch (const std::exception& fault) {
    Window().MessageBox(std::string("Vorn cannot build a fresh board and stops:\n") + fault.what());
    Window().SetEnabled(false);
    return GuardOutcome::kStopped;
  }
}

}  // namespace

GuardOutcome RunGuarded(const std::function<void()>& handler) {
  std::string error;
  try {
    handler();
    return GuardOutcome::kRan;
  } catch (const std::exception& fault) {
    error = fault.what();
  } catch (...) {
    error = "an unknown error";
  }
  return RecoverFrom(error);
}

}  // namespace vorn
