// Running a replay script against the real game on a headless window, and tracing what
// happens: every board built, every stone placed, every message shown, and the dumps and
// refused menu commands the script asks for.
#pragma once

#include <iosfwd>
#include <string>

#include "game/headless_window.h"
#include "game/window_services.h"
#include "tools/replay/script.h"

namespace vorn::replay {

// Exit statuses of a replay.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitGameFault = 1;    // the game itself stopped with a run-time error
inline constexpr int kExitScriptError = 2;  // a bad script line, or a script that cannot be read

// One run of the program: the game's module state belongs to the session from Start() until
// it is destroyed. There can be only one at a time, since the game state is module-level.
class Session : private GameObserver {
 public:
  explicit Session(std::ostream& trace);
  ~Session() override;
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // A fresh program: module state as at program start, then the main window's start-up.
  void Start();

  // Runs one command. False when the command ends the run (Exitx).
  bool Run(const Command& command);

  const HeadlessWindow& window() const { return window_; }

 private:
  void BoardBuilt() override;
  void StonePlaced(Integer side, Integer cell) override;
  void Emit(const std::string& line);
  void ClickCell(Integer button, Integer shift, Integer cell);
  bool ChooseMenu(MenuCommand menu);

  HeadlessWindow window_;
  std::ostream& trace_;
};

// Runs a whole script: start-up, then each line in order until the end of the script, an
// Exitx, or a bad line. The trace goes to `trace`; a bad line, an unreadable script or a
// fault of the game is reported on `errors` with its line number. Returns the exit status.
int RunScript(std::istream& script, std::ostream& trace, std::ostream& errors);

}  // namespace vorn::replay
