// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Running a replay script against the real game on a headless window, and tracing what
// happens: every board built, every stone placed, every message shown, and the dumps and
// refused menu commands the script asks for.
#pragma once

#include <ostream>
#include <string>

#include "game/headless_window.h"
#include "game/observer.h"
#include "game/window_services.h"
#include "tools/replay/line_reader.h"
#include "tools/replay/script.h"

namespace vorn::replay {

// Exit statuses of a replay.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitGameFault = 1;    // the game itself stopped with a run-time error
// A bad script line, a script that cannot be read, a trace that cannot be written, or a wrong
// command line.
inline constexpr int kExitScriptError = 2;

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

  // Whether a write of the trace has failed. The game is never interrupted for it; the run
  // is stopped after the command.
  bool traceLost() const { return !trace_; }

 private:
  void BoardBuilt() override;
  void StonePlaced(Integer side, Integer cell) override;
  void Emit(const std::string& line);
  void Write(const std::string& text);
  void ClickCell(Integer button, Integer shift, Integer cell);
  void Undo();
  bool ChooseMenu(MenuItem menu);
  void AskHint();

  HeadlessWindow window_;
  std::ostream& trace_;
};

// Runs a whole script: start-up, then each line in order until the end of the script, an
// Exitx, or a bad line. The trace goes to `trace`, flushed line by line; a bad line, a read
// error or a fault of the game is reported on `errors` with its line number, after the
// trace of the lines before it, and so is a trace that could not be written. Returns the
// exit status.
int RunScript(ScriptSource& script, std::ostream& trace, std::ostream& errors);

}  // namespace vorn::replay
