// vorn-replay [SCRIPT]: plays a script of mouse clicks and menu commands through the game on
// a headless window and prints a trace of what happens. The script is read from the named
// file, or from standard input when no file is named. See tools/replay/script.h for the
// script and tools/replay/dump.h for the dump.
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <system_error>

#include "tools/replay/session.h"

namespace {

int Fail(const std::string& message) {
  std::cerr << "vorn-replay: " << message << std::endl;
  return vorn::replay::kExitScriptError;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc > 2) return Fail("too many arguments\nusage: vorn-replay [SCRIPT]");
  if (argc == 1) return vorn::replay::RunScript(std::cin, std::cout, std::cerr);

  const std::filesystem::path path = argv[1];
  // A directory opens like a file on some systems and then reads as empty, which would pass
  // for an empty script.
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    return Fail("cannot read script " + path.string() + ": it is a directory");
  }
  std::ifstream script(path, std::ios::binary);
  if (!script) {
    return Fail("cannot open script " + path.string() + ": " +
                std::generic_category().message(errno));
  }
  return vorn::replay::RunScript(script, std::cout, std::cerr);
}
