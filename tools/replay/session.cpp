// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Running a replay.
#include "tools/replay/session.h"

#include <exception>
#include <ostream>
#include <vector>

#include "game/start_up.h"
#include "game/state.h"
#include "play/game_commands.h"
#include "play/hint.h"
#include "play/mouse_input.h"
#include "play/take_back.h"
#include "tools/replay/dump.h"
#include "tools/replay/files.h"

namespace vorn::replay {

namespace {

constexpr const char* kProgram = "vorn-replay";

// The trace comes first, so that a message about a line follows the output of the lines
// before it even when both streams go to one terminal.
int Report(std::ostream& trace, std::ostream& errors, const std::string& message, int status) {
  trace.flush();
  errors << kProgram << ": " << message << std::endl;
  return status;
}

int GameStopped(std::ostream& trace, std::ostream& errors, const std::string& where,
                const std::exception& fault) {
  return Report(trace, errors, where + ": the game stopped with an error: " + fault.what(),
                kExitGameFault);
}

int TraceLost(std::ostream& trace, std::ostream& errors) {
  return Report(trace, errors, "cannot write the trace: " + WriteFailure(trace), kExitScriptError);
}

std::string LineName(long long lineNumber) { return "line " + std::to_string(lineNumber); }

// The lines of the script, one by one, until its end, an Exitx or a line that stops the run.
int RunLines(Session& session, ScriptSource& script, std::ostream& trace, std::ostream& errors) {
  LineReader reader(script);
  std::string line;
  for (long long lineNumber = 1;; ++lineNumber) {
    const std::string where = LineName(lineNumber);
    LineResult result = LineResult::End;
    try {
      result = reader.Next(line);
    } catch (const ReadError& error) {
      return Report(trace, errors, where + ": " + error.what(), kExitScriptError);
    }
    if (result == LineResult::End) return kExitSuccess;
    if (result == LineResult::TooLong) {
      return Report(trace, errors,
                    where + " is longer than " + std::to_string(kMaxLineLength) + " bytes",
                    kExitScriptError);
    }
    const ParsedLine parsed = ParseLine(line, CellCount);
    if (!parsed.ok()) return Report(trace, errors, where + ": " + parsed.error, kExitScriptError);
    bool goOn = true;
    try {
      goOn = session.Run(parsed.command);
    } catch (const std::exception& fault) {
      return GameStopped(trace, errors, where, fault);
    }
    if (session.traceLost()) return TraceLost(trace, errors);
    if (!goOn) return kExitSuccess;
  }
}

}  // namespace

Session::Session(std::ostream& trace) : trace_(trace) {
  window_.onMessage = [this](const std::string& text) { Emit("message " + text); };
}

Session::~Session() {
  AttachObserver(nullptr);
  AttachWindow(nullptr);
}

void Session::Start() {
  ResetModuleState();
  AttachWindow(&window_);
  AttachObserver(this);
  Form_Load();
}

bool Session::Run(const Command& command) {
  switch (command.kind) {
    case CommandKind::Nothing: break;
    case CommandKind::MouseUp:
      Form_MouseUp(command.button, command.shift, command.x, command.y);
      break;
    case CommandKind::CellUp: ClickCell(command.button, command.shift, command.cell); break;
    case CommandKind::Menu: return ChooseMenu(command.menu);
    case CommandKind::Dump: Write(FormatDump(window_)); break;
    case CommandKind::Level:
      SetComputerLevel(command.level);
      Emit(std::string("level ") + LevelName(command.level));
      break;
    case CommandKind::Hint: AskHint(); break;
    case CommandKind::Undo: Undo(); break;
  }
  return true;
}

void Session::BoardBuilt() { Emit("newgame " + std::to_string(CellCount)); }

void Session::StonePlaced(Integer side, Integer cell) {
  Emit("stone " + std::to_string(side) + " " + std::to_string(cell));
}

void Session::Emit(const std::string& line) { Write(line + '\n'); }

// Each piece of the trace is flushed at once, so that a program reading it sees every event
// as it happens; once a write fails the stream writes nothing more.
void Session::Write(const std::string& text) {
  trace_ << text;
  trace_.flush();
}

// The hint is searched for at once on the headless window, so it is known on return.
void Session::AskHint() {
  Hintx_Click();
  const Integer cell = HintedCell();
  Emit(cell != 0 ? "hint " + std::to_string(cell) : std::string("hint none"));
}

void Session::ClickCell(Integer button, Integer shift, Integer cell) {
  const TwipPoint middle = ClickBoxMiddle(cell);
  Form_MouseUp(button, shift, middle.x, middle.y);
}

void Session::Undo() {
  std::string line = "undo";
  const std::vector<Integer> emptied = TakeBack();
  if (emptied.empty()) line += " none";
  for (const Integer cell : emptied) {
    line += ' ';
    line += std::to_string(cell);
  }
  Emit(line);
}

bool Session::ChooseMenu(MenuItem menu) {
  switch (menu) {
    case MenuItem::Exitx: return false;
    case MenuItem::Helpx:
    case MenuItem::Aboutx: return true;  // their windows change nothing in the game
    default: break;
  }
  const MenuCommand command = GameMenuCommand(menu);
  if (command == nullptr) {
    throw RunTimeError(std::string("menu ") + MenuItemName(menu) + " does not act on the game");
  }
  // A disabled item cannot be chosen; the size commands also need the "Size" submenu.
  if (!window_.MenuChoosable(menu)) {
    Emit(std::string("disabled ") + MenuItemName(menu));
    return true;
  }
  command();
  return true;
}

int RunScript(ScriptSource& script, std::ostream& trace, std::ostream& errors) {
  Session session(trace);
  try {
    session.Start();
  } catch (const std::exception& fault) {
    return GameStopped(trace, errors, "start-up", fault);
  }
  if (session.traceLost()) return TraceLost(trace, errors);
  const int status = RunLines(session, script, trace, errors);
  // Nothing reports success that lost the end of its trace.
  if (status == kExitSuccess && !trace.flush()) return TraceLost(trace, errors);
  return status;
}

}  // namespace vorn::replay
