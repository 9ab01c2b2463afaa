// Running a replay.
#include "tools/replay/session.h"

#include <exception>
#include <istream>
#include <ostream>

#include "game/start_up.h"
#include "game/state.h"
#include "play/game_commands.h"
#include "play/mouse_input.h"
#include "play/preset.h"
#include "tools/replay/dump.h"

namespace vorn::replay {

namespace {

constexpr const char* kProgram = "vorn-replay";

// A menu command that acts on the game: the item that must be choosable, and its handler.
struct GameMenu {
  MenuItem item;
  void (*handler)();
};

GameMenu GameMenuOf(MenuCommand menu) {
  switch (menu) {
    case MenuCommand::Restartx: return {MenuItem::Restartx, Restartx_Click};
    case MenuCommand::Presetx: return {MenuItem::Presetx, Presetx_Click};
    case MenuCommand::StartPreset: return {MenuItem::StartPreset, StartPreset_Click};
    case MenuCommand::Squarex: return {MenuItem::Squarex, Squarex_Click};
    case MenuCommand::Increasex: return {MenuItem::Increasex, Increasex_Click};
    case MenuCommand::Decreasex: return {MenuItem::Decreasex, Decreasex_Click};
    default: break;
  }
  throw RunTimeError(std::string("menu ") + MenuCommandName(menu) + " does not act on the game");
}

// The trace comes first, so that a message about a line follows the output of the lines
// before it even when both streams go to one terminal.
void Report(std::ostream& trace, std::ostream& errors, const std::string& where,
            const std::string& what) {
  trace.flush();
  errors << kProgram << ": " << where << ": " << what << std::endl;
}

std::string LineName(long long lineNumber) { return "line " + std::to_string(lineNumber); }

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
    case CommandKind::Dump:
      trace_ << FormatDump(window_);
      trace_.flush();
      break;
  }
  return true;
}

void Session::BoardBuilt() { Emit("newgame " + std::to_string(CellCount)); }

void Session::StonePlaced(Integer side, Integer cell) {
  Emit("stone " + std::to_string(side) + " " + std::to_string(cell));
}

void Session::Emit(const std::string& line) {
  trace_ << line << '\n';
  trace_.flush();
}

// The middle of the cell's click box, the straight-sided band of the cell.
void Session::ClickCell(Integer button, Integer shift, Integer cell) {
  const Single x = static_cast<Single>(CellTwipX[cell]) + UnitX * TwipsX;
  const Single y = static_cast<Single>(CellTwipY[cell]) + UnitY * TwipsY / 2;
  Form_MouseUp(button, shift, x, y);
}

bool Session::ChooseMenu(MenuCommand menu) {
  switch (menu) {
    case MenuCommand::Exitx: return false;
    case MenuCommand::Helpx:
    case MenuCommand::Aboutx: return true;  // their windows change nothing in the game
    default: break;
  }
  const GameMenu command = GameMenuOf(menu);
  // A disabled item cannot be chosen; the size commands also need the "Size" submenu.
  if (!window_.MenuChoosable(command.item)) {
    Emit(std::string("disabled ") + MenuCommandName(menu));
    return true;
  }
  command.handler();
  return true;
}

int RunScript(std::istream& script, std::ostream& trace, std::ostream& errors) {
  Session session(trace);
  try {
    session.Start();
  } catch (const std::exception& fault) {
    Report(trace, errors, "start-up",
           std::string("the game stopped with an error: ") + fault.what());
    return kExitGameFault;
  }
  long long lineNumber = 0;
  std::string line;
  while (std::getline(script, line)) {
    ++lineNumber;
    const ParsedLine parsed = ParseLine(line, CellCount);
    if (!parsed.ok()) {
      Report(trace, errors, LineName(lineNumber), parsed.error);
      return kExitScriptError;
    }
    try {
      if (!session.Run(parsed.command)) return kExitSuccess;
    } catch (const std::exception& fault) {
      Report(trace, errors, LineName(lineNumber),
             std::string("the game stopped with an error: ") + fault.what());
      return kExitGameFault;
    }
  }
  if (script.bad()) {
    Report(trace, errors, LineName(lineNumber + 1), "the script could not be read");
    return kExitScriptError;
  }
  return kExitSuccess;
}

}  // namespace vorn::replay
