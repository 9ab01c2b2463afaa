// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's settings, which last from one run to the next: the level, the board's size
// and shape, and whether the last move is marked. Kept as a small INI text:
//
//   [Vorn]
//   Level=Standard
//   BoardSize=11
//   SquareBoard=1
//   MarkLastMove=0
//
// Reading the text never fails as a whole: a setting with a bad value, or a line that is no
// setting at all, is reported and that setting keeps its default; the others are kept.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "computer/levels.h"
#include "game/runtime.h"

namespace vorn {

struct Settings {
  std::string level{LevelName(Level::Standard)};
  Integer boardSize = 11;
  bool squareBoard = true;
  bool markLastMove = false;
};

inline constexpr char kSettingsSection[] = "Vorn";

// The settings of `text`; each problem found is added to `problems` as a line that names
// the line of the text and what is wrong with it.
Settings ParseSettings(std::string_view text, std::vector<std::string>& problems);
std::string FormatSettings(const Settings& settings);

// The board that stands, as settings to keep.
void TakeBoardSettings(Settings& settings);

// Builds the board of the settings when another stands: after start-up, before any click.
// A first start, with the default settings, builds nothing more.
void ApplyBoardSettings(const Settings& settings);

}  // namespace vorn
