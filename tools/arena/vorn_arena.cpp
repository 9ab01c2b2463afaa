// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// vorn-arena: plays games between two players and counts the wins of each side, with a 95%
// confidence interval. A benchmark of the players' strength, not a test.
//
//   vorn-arena --green PLAYER --red PLAYER --size N [--short] --games G
//              [--random-moves K] [--seed S] [--playouts P] [--verbose]
//
// Players: standard (the game's own computer, RED only), strong (the engine), oneply,
// random. Each game opens with K random stones (1 by default: GREEN's first).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>

#include "engine/search.h"
#include "tools/arena/players.h"

namespace {

using vorn::arena::Player;
using vorn::engine::Position;

struct Options {
  std::string players[2];
  int size = 0;
  bool square = true;
  int games = 0;
  int randomMoves = 1;
  std::uint64_t seed = 1;
  int playouts = 0;
  bool verbose = false;
};

int NumberArgument(const std::string& name, const std::string& text, int least, int most) {
  std::size_t used = 0;
  int value = 0;
  try {
    value = std::stoi(text, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != text.size() || value < least || value > most) {
    throw std::invalid_argument(name + " takes a number from " + std::to_string(least) + " to " +
                                std::to_string(most) + ", not \"" + text + "\"");
  }
  return value;
}

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (name == "--short") {
      options.square = false;
      continue;
    }
    if (name == "--verbose") {
      options.verbose = true;
      continue;
    }
    if (i + 1 >= argc) throw std::invalid_argument(name + " needs a value");
    const std::string value = argv[++i];
    if (name == "--green") {
      options.players[0] = value;
    } else if (name == "--red") {
      options.players[1] = value;
    } else if (name == "--size") {
      options.size = NumberArgument(name, value, 5, 21);
    } else if (name == "--games") {
      options.games = NumberArgument(name, value, 1, 1000000);
    } else if (name == "--random-moves") {
      options.randomMoves = NumberArgument(name, value, 0, 441);
    } else if (name == "--seed") {
      options.seed = static_cast<std::uint64_t>(NumberArgument(name, value, 0, 2147483647));
    } else if (name == "--playouts") {
      options.playouts = NumberArgument(name, value, 1, 100000000);
    } else {
      throw std::invalid_argument("unknown option " + name);
    }
  }
  if (options.players[0].empty() || options.players[1].empty()) {
    throw std::invalid_argument("--green and --red name the players");
  }
  if (options.size == 0) throw std::invalid_argument("--size is missing");
  if (options.games == 0) throw std::invalid_argument("--games is missing");
  if (options.players[1] == "standard" && options.randomMoves > 1) {
    throw std::invalid_argument("the standard computer chooses every RED stone itself: "
                                "--random-moves must be 0 or 1");
  }
  return options;
}

// One game; returns the winner.
int PlayGame(const Options& options, Player* players[2], std::uint64_t gameSeed) {
  Position position;
  position.cellsPerRow = options.size;
  position.rows = options.square ? options.size : options.size - 1;
  position.owner.assign(static_cast<std::size_t>(position.cellsPerRow * position.rows), -1);
  position.toMove = 0;
  for (int side = 0; side < 2; ++side) players[side]->NewGame(position.cellsPerRow, position.rows);
  vorn::arena::Random random(gameSeed);
  for (int move = 0;; ++move) {
    const int side = position.toMove;
    const int cell = move < options.randomMoves ? vorn::arena::RandomEmptyCell(position, random)
                                                : players[side]->Choose(position);
    if (cell < 1 || cell > static_cast<int>(position.owner.size()) ||
        position.owner[cell - 1] != -1) {
      throw std::runtime_error(options.players[side] + " chose cell " + std::to_string(cell) +
                               ", which is not an empty cell");
    }
    position.owner[cell - 1] = static_cast<signed char>(side);
    const bool wins = vorn::engine::ShortestPathLength(position, side) == 0;
    for (int each = 0; each < 2; ++each) players[each]->Played(side, cell, wins);
    if (wins) return side;
    position.toMove = 1 - side;
  }
}

// The Wilson score interval of `wins` out of `games` at 95%.
void PrintShare(const char* side, const std::string& player, int wins, int games) {
  const double z = 1.96;
  const double n = games;
  const double share = wins / n;
  const double centre = (share + z * z / (2 * n)) / (1 + z * z / n);
  const double half =
      z * std::sqrt(share * (1 - share) / n + z * z / (4 * n * n)) / (1 + z * z / n);
  const double low = std::max(0.0, centre - half);
  const double high = std::min(1.0, centre + half);
  std::printf("%-5s %-8s %4d of %d  %5.1f%%  (95%% interval %5.1f%% .. %5.1f%%)\n", side,
              player.c_str(), wins, games, 100 * share, 100 * low,
              100 * high);
}

int Run(const Options& options) {
  std::unique_ptr<Player> owned[2];
  for (int side = 0; side < 2; ++side) {
    owned[side] = vorn::arena::MakePlayer(options.players[side], side,
                                          options.seed * 2 + static_cast<std::uint64_t>(side),
                                          options.playouts);
  }
  Player* players[2] = {owned[0].get(), owned[1].get()};
  int wins[2] = {0, 0};
  for (int game = 0; game < options.games; ++game) {
    const int winner =
        PlayGame(options, players, options.seed * 1000003ULL + static_cast<std::uint64_t>(game));
    ++wins[winner];
    if (options.verbose) {
      std::printf("game %d: %s won\n", game + 1, winner == 0 ? "GREEN" : "RED");
      std::fflush(stdout);
    }
  }
  PrintShare("GREEN", options.players[0], wins[0], options.games);
  PrintShare("RED", options.players[1], wins[1], options.games);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(ParseOptions(argc, argv));
  } catch (const std::invalid_argument& error) {
    std::cerr << "vorn-arena: " << error.what() << '\n';
    return 2;
  } catch (const std::exception& error) {
    std::cerr << "vorn-arena: " << error.what() << '\n';
    return 1;
  }
}
