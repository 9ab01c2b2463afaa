// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The players vorn-arena sets against each other.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/search.h"

namespace vorn::arena {

// A small generator of its own, so that a seed plays the same games on every platform.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next();
  int Below(int count) { return static_cast<int>(Next() % static_cast<std::uint64_t>(count)); }

 private:
  std::uint64_t state_;
};

// A random empty cell.
int RandomEmptyCell(const engine::Position& position, Random& random);

class Player {
 public:
  virtual ~Player() = default;
  // A new game on an empty board of the given shape.
  virtual void NewGame(int cellsPerRow, int rows) = 0;
  // The cell this player plays in the position, where it is its turn.
  virtual int Choose(const engine::Position& position) = 0;
  // A stone was placed (by either side, the player's own choices included) and the game
  // goes on or, when `wins` is set, ends with it.
  virtual void Played(int side, int cell, bool wins) = 0;
};

// "standard", "strong", "oneply" or "random" playing `side`; throws std::invalid_argument
// naming what is wrong. `playouts` overrides the engine's budget when above 0.
std::unique_ptr<Player> MakePlayer(const std::string& name, int side, std::uint64_t seed,
                                   int playouts);

}  // namespace vorn::arena
