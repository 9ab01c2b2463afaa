// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and writing the settings' text.
#include "play/settings.h"

#include <algorithm>
#include <charconv>

#include "game/state.h"
#include "play/game_commands.h"

namespace vorn {

namespace {

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool ReadWhole(std::string_view text, long& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

// Applies one `key=value`; an empty result means it was taken.
std::string ApplySetting(std::string_view key, std::string_view value, Settings& settings) {
  long number = 0;
  if (key == "Level") {
    if (!FindLevel(value)) {
      return "unknown level \"" + std::string(value) + "\": the levels are " +
             LevelNameList(" and ");
    }
    settings.level = value;
  } else if (key == "BoardSize") {
    if (!ReadWhole(value, number) || number < kSmallestBoard || number > kLargestBoard) {
      return "BoardSize \"" + std::string(value) + "\" is not a whole number from " +
             std::to_string(kSmallestBoard) + " to " + std::to_string(kLargestBoard);
    }
    settings.boardSize = static_cast<Integer>(number);
  } else if (key == "SquareBoard" || key == "MarkLastMove") {
    if (value != "0" && value != "1") {
      return std::string(key) + " \"" + std::string(value) + "\" is neither 0 nor 1";
    }
    (key == "SquareBoard" ? settings.squareBoard : settings.markLastMove) = value == "1";
  } else {
    return "unknown setting \"" + std::string(key) + "\"";
  }
  return {};
}

}  // namespace

Settings ParseSettings(std::string_view text, std::vector<std::string>& problems) {
  Settings settings;
  bool inSection = false;
  int lineNumber = 0;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = Trimmed(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    ++lineNumber;
    const std::string where = "line " + std::to_string(lineNumber) + ": ";
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      if (line.back() != ']') {
        problems.push_back(where + "a section name without its closing \"]\"");
        inSection = false;
      } else {
        inSection = Trimmed(line.substr(1, line.size() - 2)) == kSettingsSection;
      }
      continue;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      problems.push_back(where + "not a setting (NAME=VALUE): \"" + std::string(line) + "\"");
      continue;
    }
    if (!inSection) continue;  // another program's section, or none
    const std::string problem =
        ApplySetting(Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1)), settings);
    if (!problem.empty()) problems.push_back(where + problem + "; the default is kept");
  }
  return settings;
}

std::string FormatSettings(const Settings& settings) {
  return std::string("[") + kSettingsSection + "]\n" +
         "Level=" + settings.level + "\n" +
         "BoardSize=" + std::to_string(settings.boardSize) + "\n" +
         "SquareBoard=" + (settings.squareBoard ? "1" : "0") + "\n" +
         "MarkLastMove=" + (settings.markLastMove ? "1" : "0") + "\n";
}

void TakeBoardSettings(Settings& settings) {
  settings.boardSize = BoardSize;
  settings.squareBoard = SquareBoard == Yes;
}

void ApplyBoardSettings(const Settings& settings) {
  if (settings.boardSize < kSmallestBoard || settings.boardSize > kLargestBoard) {
    throw RunTimeError("no board has " + std::to_string(settings.boardSize) + " cells a row");
  }
  const Integer square = settings.squareBoard ? Yes : No;
  if (settings.boardSize == BoardSize && square == SquareBoard) return;
  BuildBoard(settings.boardSize, square);
}

}  // namespace vorn
