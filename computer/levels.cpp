// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The levels' names and the level in force.
#include "computer/levels.h"

#include <string>

#include "engine/search.h"
#include "game/state.h"

namespace vorn {

const char* LevelName(Level level) {
  switch (level) {
    case Level::Standard: return "Standard";
    case Level::Strong: return "Strong";
  }
  return "";
}

const char* LevelCaption(Level level) {
  switch (level) {
    case Level::Standard: return "&Standard";
    case Level::Strong: return "S&trong";
  }
  return "";
}

std::optional<Level> FindLevel(std::string_view name) {
  for (const Level level : kLevels) {
    if (name == LevelName(level)) return level;
  }
  return std::nullopt;
}

std::string LevelNameList(std::string_view beforeLast) {
  std::string list;
  for (std::size_t k = 0; k < kLevels.size(); ++k) {
    if (k > 0) list += k + 1 == kLevels.size() ? beforeLast : std::string_view(", ");
    list += LevelName(kLevels[k]);
  }
  return list;
}

int LevelPlayouts(Level level, Integer cellsPerRow) {
  return level == Level::Standard ? 0 : engine::PlayoutBudget(engine::Level::Strong, cellsPerRow);
}

void SetComputerLevel(Level level) { SelectedLevel = static_cast<Integer>(level); }

Level ComputerLevel() { return static_cast<Level>(SelectedLevel); }

}  // namespace vorn
