// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A long random session: mouse releases anywhere, every menu command (disabled ones refused
// as a real menu refuses them), preset layouts up to a full board and computer openings,
// over every board size and both shapes. After every event the position must be sound.
//
// The run is a fixed number of events, so it asserts the same on any machine and in any
// build: VORN_SOAK_EVENTS sets it (default 50000), VORN_SOAK_SEED the seed (default 1). Both
// are printed, so a failing run can be repeated exactly.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <stdexcept>

#include "game/headless_window.h"
#include "game/observer.h"
#include "game/start_up.h"
#include "play/game_commands.h"
#include "play/mouse_input.h"
#include "play/preset.h"
#include "support/environment.h"
#include "support/invariants.h"

namespace vorn::testing {
namespace {

enum class Trigger { None, Command, Win };

// Watches the game's own events: every new board must follow a win or a command.
class Watcher : public GameObserver {
 public:
  void BoardBuilt() override {
    ++boards;
    if (expected == Trigger::None) ++unexplainedBoards;
    expected = Trigger::None;
  }
  void StonePlaced(Integer, Integer) override { ++stones; }
  Trigger expected = Trigger::None;
  long boards = 0;
  long unexplainedBoards = 0;
  long stones = 0;
};

class Soak {
 public:
  explicit Soak(unsigned long seed) : random_(seed) {
    AttachWindow(&window_);
    AttachObserver(&watcher_);
    watcher_.expected = Trigger::Command;  // start-up builds the first board
    window_.onMessage = [this](const std::string& text) {
      if (text.find(" WON - click here to continue") != std::string::npos) {
        ++wins_;
        ++winsThisClick_;
        watcher_.expected = Trigger::Win;
      }
    };
    Form_Load();
  }
  ~Soak() {
    AttachObserver(nullptr);
    AttachWindow(nullptr);
  }

  // One random event; returns what went wrong, if anything.
  std::vector<std::string> Step() {
    std::string fault;
    if (Pick(0, 99) < 3) {
      ChooseMenu();
    } else {
      fault = Release();
    }
    ++events_;
    std::vector<std::string> faults = PositionFaults();
    if (!fault.empty()) faults.push_back(fault);
    return faults;
  }

  // Moves to a new board through the menus: mostly small and quick to play out, now and then
  // any size from 5 to 21, either shape.
  void StartSession() {
    const Integer target = static_cast<Integer>(Pick(0, 9) < 7 ? Pick(5, 8) : Pick(5, 21));
    Choose(MenuItem::Restartx, Restartx_Click);
    while (BoardSize != target) {
      const int step = BoardSize < target ? 1 : -1;
      const Integer before = BoardSize;
      if (step > 0) {
        Choose(MenuItem::Increasex, Increasex_Click);
      } else {
        Choose(MenuItem::Decreasex, Decreasex_Click);
      }
      if (BoardSize != before + step) {
        throw std::logic_error(lastEvent + " took the board from " + std::to_string(before) +
                               " to " + std::to_string(BoardSize));
      }
    }
    if (Pick(0, 2) == 0) Choose(MenuItem::Squarex, Squarex_Click);
    sizesPlayed_.insert(BoardSize * 2 + SquareBoard);
  }

  long events() const { return events_; }
  std::size_t boardKindsPlayed() const { return sizesPlayed_.size(); }
  long wins() const { return wins_; }
  const Watcher& watcher() const { return watcher_; }
  std::string lastEvent;

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  // A size command that cannot be chosen, or that misses its size, would leave the loop of
  // StartSession spinning, so it ends the run as a fault of its own.
  void Choose(MenuItem item, void (*command)()) {
    lastEvent = std::string("menu ") + MenuItemName(item);
    if (!window_.MenuChoosable(item)) throw std::logic_error(lastEvent + " cannot be chosen");
    watcher_.expected = Trigger::Command;
    command();
  }

  void ChooseMenu() {
    static const MenuItem items[] = {MenuItem::Restartx, MenuItem::Presetx, MenuItem::StartPreset,
                                     MenuItem::Squarex, MenuItem::Increasex, MenuItem::Decreasex};
    static void (*const commands[])() = {Restartx_Click, Presetx_Click, StartPreset_Click,
                                         Squarex_Click, Increasex_Click, Decreasex_Click};
    const int choice = Pick(0, 5);
    lastEvent = std::string("menu ") + MenuItemName(items[choice]);
    if (!window_.MenuChoosable(items[choice])) return;  // a disabled item cannot be chosen
    if (choice != 1 && choice != 2) watcher_.expected = Trigger::Command;
    commands[choice]();
  }

  // A release on a cell, on a click box's border, in a gap, off the board or anywhere.
  // Returns what went wrong with the game's flow, if anything.
  std::string Release() {
    const Integer cell = static_cast<Integer>(Pick(1, CellCount));
    const TwipBox box = ClickBox(cell);
    const TwipPoint middle = ClickBoxMiddle(cell);
    Single x = middle.x;
    Single y = middle.y;
    switch (Pick(0, 9)) {
      case 0: x = Pick(0, 1) ? box.left : box.right; break;
      case 1: y = Pick(0, 1) ? box.top : box.bottom; break;
      case 2: y = box.bottom + Pick(1, 100); break;  // the lower cap or the gap below
      case 3: x = static_cast<Single>(Pick(-3000, 14000)); y = static_cast<Single>(Pick(-3000, 8000)); break;
      default: break;
    }
    static const Integer buttons[] = {kLeftButton, kLeftButton, kLeftButton, kRightButton, kMiddleButton};
    const Integer button = buttons[Pick(0, 4)];
    const Integer shift = static_cast<Integer>(Pick(0, 9) < 7 ? 0 : Pick(1, 7));
    lastEvent = "up " + std::to_string(button) + " " + std::to_string(shift) + " " +
                std::to_string(x) + " " + std::to_string(y);
    const bool preset = PresetMode == Yes;
    winsThisClick_ = 0;
    Form_MouseUp(button, shift, x, y);
    if (winsThisClick_ > 1) return "one click announced two wins";
    // Stones of play are tested at once: a board they fill has been announced and replaced.
    if (!preset && BoardFull() && winsThisClick_ == 0 && PresetMode == No && GameStarted == Yes) {
      return "a full board in play was not announced";
    }
    return {};
  }

  std::mt19937 random_;
  std::set<int> sizesPlayed_;
  HeadlessWindow window_;
  Watcher watcher_;
  long events_ = 0;
  long wins_ = 0;
  int winsThisClick_ = 0;
};

TEST(SoakTest, RandomSessionsKeepThePositionSound) {
  const unsigned long seed = EnvNumber("VORN_SOAK_SEED", 1);
  const long events = static_cast<long>(EnvNumber("VORN_SOAK_EVENTS", 50000));
  std::cout << "soak seed " << seed << ", " << events << " events (repeat with VORN_SOAK_SEED="
            << seed << " VORN_SOAK_EVENTS=" << events << ")\n";
  ResetModuleState();
  Soak soak(seed);
  long violations = 0;
  while (soak.events() < events) {
    try {
      soak.StartSession();
    } catch (const std::exception& error) {
      FAIL() << "seed " << seed << ", event " << soak.events() << " (" << soak.lastEvent
             << "): " << error.what();
    }
    for (int event = 0; event < 300 && soak.events() < events; ++event) {
      std::vector<std::string> faults;
      try {
        faults = soak.Step();
      } catch (const std::exception& error) {
        faults.push_back(std::string("run-time error: ") + error.what());
      }
      if (!faults.empty()) {
        ++violations;
        ADD_FAILURE() << "seed " << seed << ", event " << soak.events() << " (" << soak.lastEvent
                      << "): " << faults.front();
        if (violations > 5) return;
      }
    }
  }
  const Watcher& watcher = soak.watcher();
  std::cout << "soak: " << soak.events() << " events, " << watcher.boards << " boards, "
            << soak.wins() << " games won, " << watcher.stones << " stones, "
            << soak.boardKindsPlayed() << " sizes and shapes, " << violations << " violations\n";
  EXPECT_EQ(violations, 0) << "seed " << seed;
  EXPECT_EQ(watcher.unexplainedBoards, 0) << "seed " << seed;
  // Most sessions are on boards of 5 to 8, where a game lasts a few dozen events: far fewer
  // wins than one in a thousand events means the sessions no longer reach the end of a game.
  EXPECT_GE(soak.wins(), events / 1000) << "seed " << seed;
}

}  // namespace
}  // namespace vorn::testing
