// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings and the saved game of a desktop program.
#include "storage/player_session.h"

#include <optional>
#include <vector>

#include "computer/reply_search.h"
#include "storage/user_files.h"

namespace vorn::storage {

std::string PlayerSession::Resume() {
  std::string level;
  const std::vector<std::string> problems = ResumeSession(settings_, level);
  if (const std::optional<Level> found = FindLevel(level)) SetComputerLevel(*found);
  settings_.level = LevelName(ComputerLevel());
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
  if (storage::StoreSettings(settings_, error)) StoreGame(LevelName(ComputerLevel()), error);
  // A folder the environment does not name is told once, not again as a failed write.
  if (const std::string failed = Told(error); told.find(failed) == std::string::npos) {
    add(failed);
  }
  return told;
}

std::string PlayerSession::Keep() {
  if (!resumed_ || AwaitingReply()) return {};
  return Told(KeepSession(settings_, LevelName(ComputerLevel())));
}

std::string PlayerSession::KeepLevel(Level level) {
  settings_.level = LevelName(level);
  return StoreSettings();
}

std::string PlayerSession::KeepMarkLastMove(bool on) {
  settings_.markLastMove = on;
  return StoreSettings();
}

// Nothing before Resume: a window that never resumed (as in the widget tests) keeps no file.
std::string PlayerSession::StoreSettings() {
  if (!resumed_) return {};
  std::string error;
  return storage::StoreSettings(settings_, error) ? std::string() : Told(error);
}

std::string PlayerSession::Told(const std::string& error) {
  if (error.empty() || writeFailureTold_) return {};
  writeFailureTold_ = true;
  return error;
}

}  // namespace vorn::storage
