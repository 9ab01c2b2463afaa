// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line of the Windows program.
#include "app/win32_command_line.h"

#include <algorithm>

#include "app/version.h"

namespace vorn {

namespace {

constexpr wchar_t kUsage[] = L"Usage: vorn [--help] [--version]";
constexpr wchar_t kGame[] = L"Vorn, a board game of six-sided cells";
constexpr wchar_t kHelp[] =
    L": join the left and right columns with a chain"
    L" of GREEN stones before the computer joins the top and bottom rows with RED.\n"
    L"Started without arguments, it opens its window.\n\n"
    L"Options:\n"
    L"  -h, --help, /?\tShow this help and exit.\n"
    L"  -v, --version\tShow the version and exit.";

std::wstring Widened(const char* ascii) {
  std::wstring text;
  for (const char* c = ascii; *c != '\0'; ++c) text += static_cast<wchar_t>(*c);
  return text;
}

bool Has(const std::vector<std::wstring>& arguments, const wchar_t* shortName,
         const wchar_t* longName) {
  return std::any_of(arguments.begin(), arguments.end(), [&](const std::wstring& argument) {
    return argument == shortName || argument == longName;
  });
}

// "/?" asks for help, as it does of every Windows program.
bool AsksForHelp(const std::wstring& argument) {
  return argument == L"-h" || argument == L"--help" || argument == L"/?";
}

bool IsKnown(const std::wstring& argument) {
  return AsksForHelp(argument) || argument == L"-v" || argument == L"--version";
}

}  // namespace

WindowsCommandLine ReadWindowsCommandLine(const std::vector<std::wstring>& arguments) {
  for (const std::wstring& argument : arguments) {
    if (IsKnown(argument)) continue;
    const bool option = argument.size() > 1 && argument[0] == L'-';
    const std::wstring problem = option ? L"Unknown option '" + argument + L"'."
                                        : L"Unexpected argument '" + argument + L"'.";
    return {false, 2, L"vorn: " + problem + L"\n" + kUsage + L"\nTry 'vorn --help'."};
  }
  if (std::any_of(arguments.begin(), arguments.end(), AsksForHelp)) {
    return {false, 0, kUsage + (L"\n\n" + (kGame + std::wstring(kHelp)))};
  }
  // Under the version, the game's name: a box as narrow as "vorn 1.0" cuts its own title.
  if (Has(arguments, L"-v", L"--version")) {
    return {false, 0, L"vorn " + Widened(kVersion) + L"\n" + kGame};
  }
  return {true, 0, {}};
}

}  // namespace vorn
