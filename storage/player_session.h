// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What lasts from one run of a desktop program to the next: the settings (level, board, Mark
// Last Move) and the game in progress, in the player's files (storage/user_files.h). Each
// call returns what the player must be told, or nothing; a file that cannot be written is
// told once a run, not after every move. Both desktop front ends keep one for their window.
#pragma once

#include <string>

#include "computer/levels.h"
#include "play/settings.h"

namespace vorn::storage {

class PlayerSession {
 public:
  // After the game's start-up: the stored settings applied (the board, the level) and the
  // saved game put back, at its own level, which the settings keep from then on. A setting
  // or saved game that was refused is told, and replaced at once by what is used instead,
  // so that it is told only once. A first start changes nothing.
  std::string Resume();
  // After every event of the game: the game saved, and the board's size and shape kept in
  // the settings when they changed. Nothing before Resume, which must read the saved game
  // before anything replaces it, and nothing while RED's reply is searched for: the click
  // is not over, and the game saved before it is the one to go back to.
  std::string Keep();
  // The level chosen from the menu, already in force, kept in the settings.
  std::string KeepLevel(Level level);
  // "Mark Last Move" turned on or off, kept in the settings.
  std::string KeepMarkLastMove(bool on);
  bool MarkLastMove() const { return settings_.markLastMove; }

 private:
  std::string StoreSettings();
  // `error`, unless a write already failed in this run.
  std::string Told(const std::string& error);

  Settings settings_;
  bool resumed_ = false;
  bool writeFailureTold_ = false;
};

}  // namespace vorn::storage
