// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading vorn-replay's command line, and its help and version texts.
#include "tools/replay/command_line.h"

#include "app/version.h"
#include "tools/replay/line_reader.h"
#include "tools/replay/script.h"

namespace vorn::replay {

namespace {

// Where the trace is described: the manual page where there are manual pages; Windows has
// none, and the program comes from the source, whose read-me describes it too.
#ifdef _WIN32
constexpr char kTraceDocument[] = "README.md of the source, under \"vorn-replay\"";
#else
constexpr char kTraceDocument[] = "vorn-replay(6)";
#endif

CommandLine Refused(std::string error) {
  CommandLine line;
  line.action = CommandLine::Action::Refuse;
  line.error = std::move(error);
  return line;
}

CommandLine Answer(CommandLine::Action action) {
  CommandLine line;
  line.action = action;
  return line;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  bool optionsEnded = false;
  bool scriptNamed = false;
  for (const std::string& argument : arguments) {
    const bool option = !optionsEnded && argument.size() > 1 && argument[0] == '-';
    if (option && argument == "--") {
      optionsEnded = true;
    } else if (option && argument == "--help") {
      return Answer(CommandLine::Action::Help);
    } else if (option && argument == "--version") {
      return Answer(CommandLine::Action::Version);
    } else if (option) {
      return Refused("unknown option " + Quoted(argument));
    } else if (scriptNamed) {
      return Refused("too many arguments: " + Quoted(argument) + " after the script");
    } else {
      line.script = argument;
      scriptNamed = true;
    }
  }
  return line;
}

std::string UsageLine() { return "Usage: vorn-replay [--help] [--version] [--] [SCRIPT]"; }

std::string HelpText() {
  return UsageLine() + "\n"
         "Plays a script of mouse clicks and menu commands through the game of Vorn on a\n"
         "window without a screen, and prints a trace of what happens on standard output.\n"
         "\n"
         "SCRIPT is a file; without one, or with \"-\", the script is read from standard\n"
         "input. It holds one command a line:\n"
         "  up B S X Y   a mouse-button release: button B (1 left, 2 right, 4 middle),\n"
         "               modifiers S (1 Shift, 2 Ctrl, 4 Alt), at X, Y twips\n"
         "  cell B S N   the same at the middle of cell N\n"
         "  menu NAME    a menu command: Restartx, Presetx, StartPreset, Squarex,\n"
         "               Increasex, Decreasex, Helpx, Aboutx or Exitx\n"
         "  dump         print the whole game state\n"
         "  level NAME   the computer's level from its next move: Standard or Strong\n"
         "  hint         print the cell the strongest level would play for GREEN\n"
         "  undo         take back the last click that placed stones\n"
         "Blank lines and lines that start with \"#\" are ignored. LF, CRLF or CR ends a\n"
         "line, and a line holds at most " + std::to_string(kMaxLineLength) + " bytes.\n"
         "From a pipe, the trace of each line is written out before the next is read, so\n"
         "another program can play against the computer line by line.\n"
         "\n"
         "Options:\n"
         "  --help       show this help and exit\n"
         "  --version    show the version and exit\n"
         "  --           end of the options: a SCRIPT after it may start with \"-\"\n"
         "\n"
         "Exit status: 0 when the script ran to its end or to \"menu Exitx\", 1 when the game\n"
         "stopped with a run-time error, 2 for a bad script line, a script that cannot be\n"
         "read, a trace that cannot be written or a wrong command line.\n"
         "\n"
         "The trace and the dump are described in " + kTraceDocument + ".\n";
}

std::string VersionText() { return std::string("vorn-replay ") + kVersion + "\n"; }

}  // namespace vorn::replay
