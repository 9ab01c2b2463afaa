// vorn-replay [OPTION]... [SCRIPT]: plays a script of mouse clicks and menu commands through
// the game on a headless window and prints a trace of what happens. See
// tools/replay/command_line.h for the command line, tools/replay/script.h for the script and
// tools/replay/dump.h for the dump.
#include <unistd.h>

#include <iostream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "tools/replay/command_line.h"
#include "tools/replay/files.h"
#include "tools/replay/session.h"

namespace {

using vorn::replay::kExitScriptError;

int Fail(const std::string& message) {
  std::cerr << "vorn-replay: " << message << std::endl;
  return kExitScriptError;
}

// Help and version go to standard output, checked like the trace.
int Answer(std::ostream& out, const std::string& text) {
  if (!(out << text).flush()) {
    return Fail("cannot write to standard output: " + vorn::replay::WriteFailure(out));
  }
  return vorn::replay::kExitSuccess;
}

}  // namespace

int main(int argc, char* argv[]) {
  using vorn::replay::CommandLine;
  vorn::replay::FileOutput output(STDOUT_FILENO);
  std::ostream out(&output);
  const CommandLine line = vorn::replay::ParseCommandLine({argv + 1, argv + argc});
  switch (line.action) {
    case CommandLine::Action::Help: return Answer(out, vorn::replay::HelpText());
    case CommandLine::Action::Version: return Answer(out, vorn::replay::VersionText());
    case CommandLine::Action::Refuse: return Fail(line.error + "\n" + vorn::replay::UsageLine());
    case CommandLine::Action::Replay: break;
  }
  std::unique_ptr<vorn::replay::FileSource> script;
  try {
    script = vorn::replay::OpenScript(line.script);
  } catch (const vorn::replay::ReadError& error) {
    return Fail(error.what());
  }
  return vorn::replay::RunScript(*script, out, std::cerr);
}
