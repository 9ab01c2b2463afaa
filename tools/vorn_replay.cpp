// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// vorn-replay [--help] [--version] [--] [SCRIPT]: plays a script of mouse clicks and menu
// commands through the game on a headless window and prints a trace of what happens. See
// tools/replay/command_line.h for the command line, tools/replay/script.h for the script and
// tools/replay/dump.h for the dump.
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "tools/replay/command_line.h"
#include "tools/replay/files.h"
#include "tools/replay/session.h"

namespace {

namespace replay = vorn::replay;

int Fail(const std::string& message) {
  std::cerr << "vorn-replay: " << message << std::endl;
  return replay::kExitScriptError;
}

// Help and version go to standard output, checked like the trace.
int Answer(std::ostream& out, const std::string& text) {
  if (!(out << text).flush()) {
    return Fail("cannot write to standard output: " + replay::WriteFailure(out));
  }
  return replay::kExitSuccess;
}

}  // namespace

int main(int argc, char* argv[]) {
#ifdef SIGPIPE
  // A reader that goes away leaves a trace that cannot be written: reported with status 2
  // like any other, not a silent death by the signal.
  std::signal(SIGPIPE, SIG_IGN);
#endif
  using replay::CommandLine;
  replay::FileOutput output(STDOUT_FILENO);
  std::ostream out(&output);
  const CommandLine line = replay::ParseCommandLine({argv + 1, argv + argc});
  switch (line.action) {
    case CommandLine::Action::Help: return Answer(out, replay::HelpText());
    case CommandLine::Action::Version: return Answer(out, replay::VersionText());
    case CommandLine::Action::Refuse: return Fail(line.error + "\n" + replay::UsageLine());
    case CommandLine::Action::Replay: break;
  }
  std::unique_ptr<replay::FileSource> script;
  try {
    script = replay::OpenScript(line.script);
  } catch (const replay::ReadError& error) {
    return Fail(error.what());
  }
  return replay::RunScript(*script, out, std::cerr);
}
