// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/arena/players.h"

#include <stdexcept>
#include <vector>

#include "game/headless_window.h"
#include "game/observer.h"
#include "game/start_up.h"
#include "game/state.h"
#include "play/game_commands.h"
#include "play/mouse_input.h"

namespace vorn::arena {

std::uint64_t Random::Next() {
  state_ += 0x9E3779B97F4A7C15ULL;
  std::uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

int RandomEmptyCell(const engine::Position& position, Random& random) {
  std::vector<int> empty;
  for (std::size_t i = 0; i < position.owner.size(); ++i) {
    if (position.owner[i] == -1) empty.push_back(static_cast<int>(i) + 1);
  }
  return empty[random.Below(static_cast<int>(empty.size()))];
}

namespace {

class RandomPlayer : public Player {
 public:
  explicit RandomPlayer(std::uint64_t seed) : random_(seed) {}
  void NewGame(int, int) override {}
  int Choose(const engine::Position& position) override {
    return RandomEmptyCell(position, random_);
  }
  void Played(int, int, bool) override {}

 private:
  Random random_;
};

class StrongPlayer : public Player {
 public:
  explicit StrongPlayer(int playouts) : playouts_(playouts) {}
  void NewGame(int, int) override {}
  int Choose(const engine::Position& position) override {
    const int playouts = playouts_ > 0
                             ? playouts_
                             : engine::PlayoutBudget(engine::Level::Strong, position.cellsPerRow);
    return engine::ChooseCell(position, playouts);
  }
  void Played(int, int, bool) override {}

 private:
  int playouts_;
};

// One ply of look-ahead: the cell after which the other side's shortest way is longest
// compared with the player's own; the lowest such cell.
class OnePlyPlayer : public Player {
 public:
  void NewGame(int, int) override {}
  int Choose(const engine::Position& position) override {
    const int side = position.toMove;
    const int blocked = static_cast<int>(position.owner.size()) + 1;
    auto length = [blocked](const engine::Position& after, int who) {
      const int cells = engine::ShortestPathLength(after, who);
      return cells < 0 ? blocked : cells;
    };
    engine::Position after = position;
    int best = 0;
    int bestMargin = 0;
    for (std::size_t i = 0; i < position.owner.size(); ++i) {
      if (position.owner[i] != -1) continue;
      after.owner[i] = static_cast<signed char>(side);
      const int margin = length(after, 1 - side) - length(after, side);
      after.owner[i] = -1;
      if (best == 0 || margin > bestMargin) {
        best = static_cast<int>(i) + 1;
        bestMargin = margin;
      }
    }
    return best;
  }
  void Played(int, int, bool) override {}
};

// The game's own computer, RED, driven through the real game on a headless window: GREEN's
// stones are clicks, RED's replies are read as the game places them.
class StandardPlayer : public Player, public GameObserver {
 public:
  StandardPlayer() {
    ResetModuleState();
    AttachWindow(&window_);
    AttachObserver(this);
    Form_Load();
  }
  ~StandardPlayer() override {
    AttachObserver(nullptr);
    AttachWindow(nullptr);
  }
  void NewGame(int cellsPerRow, int rows) override {
    BoardSize = static_cast<Integer>(cellsPerRow);
    SquareBoard = rows == cellsPerRow ? Yes : No;
    Restartx_Click();
    reply_ = 0;
    announced_.clear();
  }
  int Choose(const engine::Position&) override {
    if (reply_ == 0) throw std::runtime_error("the standard computer did not answer");
    const int reply = reply_;
    reply_ = 0;
    return reply;
  }
  void Played(int side, int cell, bool wins) override {
    if (side == 0) {
      Click(cell);
      Agree(announced_ == "GREEN", wins, "GREEN", cell);
    } else {
      Agree(announced_ == "RED", wins, "RED", cell);
    }
  }
  void StonePlaced(Integer side, Integer cell) override {
    if (side == 1) reply_ = cell;
  }

 private:
  // GREEN's stone, and with it RED's reply; `announced_` names the side whose win the game
  // showed during the click, if any.
  void Click(int cell) {
    const std::size_t before = window_.Messages().size();
    const TwipPoint middle = ClickBoxMiddle(static_cast<Integer>(cell));
    Form_MouseUp(kLeftButton, 0, middle.x, middle.y);
    announced_.clear();
    if (window_.Messages().size() == before) return;
    const std::string& message = window_.Messages().back();
    announced_ = message.substr(0, message.find(' '));
  }
  static void Agree(bool gameSaysWon, bool arenaSaysWon, const std::string& side, int cell) {
    if (gameSaysWon == arenaSaysWon) return;
    throw std::runtime_error("the game and the arena disagree whether " + side +
                             " won with cell " + std::to_string(cell));
  }

  HeadlessWindow window_;
  int reply_ = 0;
  std::string announced_;
};

}  // namespace

std::unique_ptr<Player> MakePlayer(const std::string& name, int side, std::uint64_t seed,
                                   int playouts) {
  if (name == "random") return std::make_unique<RandomPlayer>(seed);
  if (name == "strong") return std::make_unique<StrongPlayer>(playouts);
  if (name == "oneply") return std::make_unique<OnePlyPlayer>();
  if (name == "standard") {
    if (side != 1) throw std::invalid_argument("the standard computer plays RED only");
    return std::make_unique<StandardPlayer>();
  }
  throw std::invalid_argument("unknown player \"" + name +
                              "\": choose standard, strong, oneply or random");
}

}  // namespace vorn::arena
