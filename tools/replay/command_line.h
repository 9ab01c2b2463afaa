// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// vorn-replay's command line: [--help] [--version] [--] [SCRIPT], where "--" ends the
// options and "-" as SCRIPT names standard input.
#pragma once

#include <string>
#include <vector>

namespace vorn::replay {

struct CommandLine {
  enum class Action { Replay, Help, Version, Refuse };
  Action action = Action::Replay;
  std::string script = "-";  // the script to replay; "-" is standard input
  std::string error;         // for Refuse: what is wrong, in one line
};

// The arguments after the program's name, acted on in order: --help or --version ends the
// reading, so does the first wrong argument.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// "Usage: vorn-replay [--help] [--version] [--] [SCRIPT]"
std::string UsageLine();

// The text of --help, ending in a newline.
std::string HelpText();

// The text of --version, ending in a newline.
std::string VersionText();

}  // namespace vorn::replay
