// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings and the saved game of the Windows program.
#include "ui/win32/player_session.h"

#include <vector>

#include "computer/reply_search.h"
#include "storage/user_files.h"

namespace vorn::win32 {

std::string PlayerSession::Resume() {
  std::string level;
  const std::vector<std::string> problems = storage::ResumeSession(settings_, level);
  SetComputerLevel(FindLevel(level).value_or(Level::Standard));
  resumed_ = true;
  if (problems.empty()) return {};
  // One line for each, joined piece by piece: mingw's GCC at -O3 warns of an overlap in
  // joining a literal and a temporary text.
  std::string told;
  auto add = [&told](const std::string& line) {
    if (line.empty()) return;
    if (!told.empty()) told += '\n';
    told += line;
  };
  for (const std::string& problem : problems) add(problem);
  // What stands now replaces what was refused.
  std::string error;
  if (storage::StoreSettings(settings_, error)) {
    storage::StoreGame(LevelName(ComputerLevel()), error);
  }
  // A folder the environment does not name is told once, not again as a failed write.
  if (const std::string failed = Told(error); told.find(failed) == std::string::npos) {
    add(failed);
  }
  return told;
}

std::string PlayerSession::Keep() {
  if (!resumed_ || AwaitingReply()) return {};
  return Told(storage::KeepSession(settings_, LevelName(ComputerLevel())));
}

std::string PlayerSession::KeepLevel(Level level) {
  settings_.level = LevelName(level);
  return StoreSettings();
}

std::string PlayerSession::ToggleMarkLastMove() {
  settings_.markLastMove = !settings_.markLastMove;
  return StoreSettings();
}

std::string PlayerSession::StoreSettings() {
  std::string error;
  return storage::StoreSettings(settings_, error) ? std::string() : Told(error);
}

std::string PlayerSession::Told(const std::string& error) {
  if (error.empty() || writeFailureTold_) return {};
  writeFailureTold_ = true;
  return error;
}

}  // namespace vorn::win32
