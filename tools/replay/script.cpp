// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Parsing replay script lines.
#include "tools/replay/script.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace vorn::replay {

namespace {

using Tokens = std::vector<std::string_view>;

constexpr std::size_t kShownLength = 40;

// The menu items a script can choose, in menu order: all but the "Size" submenu.
std::vector<MenuItem> MenuCommands() {
  std::vector<MenuItem> commands;
  for (int index = 0; index < kMenuItemCount; ++index) {
    const auto item = static_cast<MenuItem>(index);
    if (item != MenuItem::Sizex) commands.push_back(item);
  }
  return commands;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

Tokens SplitTokens(std::string_view line) {
  Tokens tokens;
  std::size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && IsBlank(line[at])) ++at;
    const std::size_t start = at;
    while (at < line.size() && !IsBlank(line[at])) ++at;
    if (at > start) tokens.push_back(line.substr(start, at - start));
  }
  return tokens;
}

// Anything unprintable is written as \xNN, so that a stray control character in a script is
// visible in the message that rejects it.
std::string Escaped(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte >= 0x7F || c == '"' || c == '\\') {
      char code[8];
      std::snprintf(code, sizeof code, "\\x%02X", static_cast<unsigned>(byte));
      escaped += code;
    } else {
      escaped += c;
    }
  }
  return escaped;
}

// A text as a message shows it, between `quote`s: whole when short, otherwise its first
// kShownLength characters and its full length, so that a huge token cannot flood a message.
std::string Excerpt(std::string_view text, const char* quote) {
  const bool cut = text.size() > kShownLength;
  std::string shown = quote + Escaped(text.substr(0, kShownLength)) + (cut ? "\u2026" : "") + quote;
  if (cut) shown += " (" + std::to_string(text.size()) + " characters)";
  return shown;
}

// A number a message names without quotes; it is made of printable characters only.
std::string Shown(std::string_view number) { return Excerpt(number, ""); }

std::string_view WithoutSign(std::string_view text) {
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
  return text;
}

std::size_t DigitRun(std::string_view text, std::size_t from) {
  std::size_t at = from;
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at - from;
}

// An optional sign and one or more digits.
bool IsWholeNumber(std::string_view text) {
  const std::string_view digits = WithoutSign(text);
  return !digits.empty() && DigitRun(digits, 0) == digits.size();
}

// An optional sign, digits and an optional fraction ("12", "-3.5", "7.", ".25"); at least
// one digit, and no exponent.
bool IsPlainDecimal(std::string_view text) {
  const std::string_view number = WithoutSign(text);
  const std::size_t whole = DigitRun(number, 0);
  if (whole == number.size()) return whole > 0;
  if (number[whole] != '.') return false;
  const std::size_t fraction = DigitRun(number, whole + 1);
  return whole + 1 + fraction == number.size() && whole + fraction > 0;
}

// The value of a whole number; one too large for a long long is pinned at its limit, so that
// it is still reported as out of range and not as no number at all.
long long WholeValue(std::string_view text) {
  const std::string_view digits = WithoutSign(text);
  const bool negative = text[0] == '-';
  long long value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error == std::errc::result_out_of_range) {
    return negative ? std::numeric_limits<long long>::min() : std::numeric_limits<long long>::max();
  }
  return negative ? -value : value;
}

std::string WrongCount(std::string_view command, std::size_t wanted, const char* usage,
                       std::size_t found) {
  return std::string(command) + " takes " + std::to_string(wanted) + " argument" +
         (wanted == 1 ? "" : "s") + " (" + usage + "), found " + std::to_string(found);
}

// A 16-bit whole number; an empty result means success.
std::string Read16Bit(std::string_view token, const char* what, Integer& value) {
  if (!IsWholeNumber(token)) {
    return std::string("bad ") + what + " " + Quoted(token) + ": expected a whole number";
  }
  const long long number = WholeValue(token);
  if (number < std::numeric_limits<Integer>::min() ||
      number > std::numeric_limits<Integer>::max()) {
    return std::string(what) + " " + Shown(token) + " is outside the 16-bit range -32768..32767";
  }
  value = static_cast<Integer>(number);
  return {};
}

// A coordinate in twips, rounded to single precision as the window's own mouse positions
// are; an empty result means success.
std::string ReadTwips(std::string_view token, const char* what, Single& value) {
  if (!IsPlainDecimal(token)) {
    return std::string("bad ") + what + " " + Quoted(token) +
           ": expected a decimal number such as 405 or -12.5 (no exponent)";
  }
  // The text is known to be a plain decimal, so strtof cannot meet a base-16 or named value;
  // it rounds straight to single precision, without a detour through double.
  const std::string text(token);
  const Single number = std::strtof(text.c_str(), nullptr);
  if (std::isinf(number)) {
    return std::string(what) + " " + Shown(token) + " is too large for a single-precision number";
  }
  value = number;
  return {};
}

std::string ReadCell(std::string_view token, Integer cellCount, Integer& cell) {
  if (!IsWholeNumber(token)) {
    return "bad cell number " + Quoted(token) + ": expected a whole number";
  }
  const long long number = WholeValue(token);
  if (number < 1 || number > cellCount) {
    return "cell " + Shown(token) + " is not on the board: its cells are 1.." +
           std::to_string(cellCount);
  }
  cell = static_cast<Integer>(number);
  return {};
}

ParsedLine Failed(std::string error) { return ParsedLine{Command{}, std::move(error)}; }

Command OfKind(CommandKind kind) {
  Command command;
  command.kind = kind;
  return command;
}

ParsedLine ParseUp(const Tokens& tokens) {
  if (tokens.size() != 5) return Failed(WrongCount("up", 4, "B S X Y", tokens.size() - 1));
  Command command = OfKind(CommandKind::MouseUp);
  std::string error = Read16Bit(tokens[1], "button", command.button);
  if (error.empty()) error = Read16Bit(tokens[2], "shift", command.shift);
  if (error.empty()) error = ReadTwips(tokens[3], "x", command.x);
  if (error.empty()) error = ReadTwips(tokens[4], "y", command.y);
  return ParsedLine{command, error};
}

ParsedLine ParseCell(const Tokens& tokens, Integer cellCount) {
  if (tokens.size() != 4) return Failed(WrongCount("cell", 3, "B S N", tokens.size() - 1));
  Command command = OfKind(CommandKind::CellUp);
  std::string error = Read16Bit(tokens[1], "button", command.button);
  if (error.empty()) error = Read16Bit(tokens[2], "shift", command.shift);
  if (error.empty()) error = ReadCell(tokens[3], cellCount, command.cell);
  return ParsedLine{command, error};
}

// Every menu command's name, in menu order.
std::string MenuCommandList() {
  std::string list;
  for (const MenuItem item : MenuCommands()) {
    list += std::string(list.empty() ? "" : ", ") + MenuItemName(item);
  }
  return list;
}

ParsedLine ParseMenu(const Tokens& tokens) {
  if (tokens.size() != 2) return Failed(WrongCount("menu", 1, "NAME", tokens.size() - 1));
  const std::string_view name = tokens[1];
  for (const MenuItem item : MenuCommands()) {
    if (name != MenuItemName(item)) continue;
    Command command = OfKind(CommandKind::Menu);
    command.menu = item;
    return ParsedLine{command, {}};
  }
  if (name == "Sizex") {
    return Failed("menu Sizex is a submenu, not a command; choose Squarex, Increasex or Decreasex");
  }
  return Failed("unknown menu item " + Quoted(name) + "; the menu items are " + MenuCommandList());
}

// A command of its name alone.
ParsedLine ParseBare(const Tokens& tokens, CommandKind kind) {
  if (tokens.size() != 1) {
    return Failed(std::string(tokens[0]) + " takes no arguments, found " +
                  std::to_string(tokens.size() - 1));
  }
  return ParsedLine{OfKind(kind), {}};
}

ParsedLine ParseLevel(const Tokens& tokens) {
  if (tokens.size() != 2) return Failed(WrongCount("level", 1, "NAME", tokens.size() - 1));
  const std::optional<Level> level = FindLevel(tokens[1]);
  if (!level) {
    return Failed("unknown level " + Quoted(tokens[1]) + "; the levels are " + LevelNameList());
  }
  Command command = OfKind(CommandKind::Level);
  command.level = *level;
  return ParsedLine{command, {}};
}

}  // namespace

std::string Quoted(std::string_view text) { return Excerpt(text, "\""); }

ParsedLine ParseLine(std::string_view line, Integer cellCount) {
  const Tokens tokens = SplitTokens(line);
  if (tokens.empty() || tokens[0].front() == '#') return ParsedLine{};
  const std::string_view name = tokens[0];
  if (name == "up") return ParseUp(tokens);
  if (name == "cell") return ParseCell(tokens, cellCount);
  if (name == "menu") return ParseMenu(tokens);
  if (name == "dump") return ParseBare(tokens, CommandKind::Dump);
  if (name == "undo") return ParseBare(tokens, CommandKind::Undo);
  if (name == "level") return ParseLevel(tokens);
  if (name == "hint") return ParseBare(tokens, CommandKind::Hint);
  return Failed("unknown command " + Quoted(name) +
                "; the commands are up, cell, menu, dump, undo, level and hint");
}

}  // namespace vorn::replay
