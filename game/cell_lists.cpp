// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cell-list operations.
#include "game/cell_lists.h"

#include <cstdio>
#include <cstdlib>

#include "game/state.h"

namespace vorn {

namespace {

// The (at most) three characters of entry `index`. Its start is reckoned in 16-bit
// arithmetic like every index of the module: if any step overflowed, so would the result.
std::string_view Entry(Integer index, const std::string& list) {
  const long long start = ToInteger((static_cast<long long>(index) - 1) * 4 + 1);
  if (start < 1) {
    throw RunTimeError("invalid procedure call: list entry " + std::to_string(index));
  }
  const auto from = static_cast<std::size_t>(start - 1);
  if (from >= list.size()) return {};
  return std::string_view(list).substr(from, 3);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Writes a code of 0..999 into three characters.
void FormatCode(long long number, char (&code)[3]) {
  code[0] = static_cast<char>('0' + number / 100);
  code[1] = static_cast<char>('0' + number / 10 % 10);
  code[2] = static_cast<char>('0' + number % 10);
}

}  // namespace

Integer EntryNumber(std::string_view entry) {
  if (entry.size() == 3 && IsDigit(entry[0]) && IsDigit(entry[1]) && IsDigit(entry[2])) {
    return static_cast<Integer>((entry[0] - '0') * 100 + (entry[1] - '0') * 10 + (entry[2] - '0'));
  }
  return RoundHalfEvenToInteger(LeadingNumber(entry));
}

Integer ListItem(Integer index, const std::string& list) { return EntryNumber(Entry(index, list)); }

std::string CellCode(long long number) {
  if (number >= 0 && number <= 999) {  // every cell: formatted by hand, it is done very often
    char code[3];
    FormatCode(number, code);
    return std::string(code, 3);
  }
  char digits[32];
  std::snprintf(digits, sizeof digits, "%03lld", std::llabs(number));
  return number < 0 ? std::string("-") + digits : std::string(digits);
}

Integer ListHas(Integer cell, const std::string& list) {
  if (cell >= 0 && cell <= 999) {  // a board cell: its code without building a string
    char code[3];
    FormatCode(cell, code);
    return list.find(code, 0, 3) != std::string::npos ? Yes : No;
  }
  return list.find(CellCode(cell)) != std::string::npos ? Yes : No;
}

Integer ListEdges(const std::string& list) {
  Integer edges = 0;
  ForEachEntry(list, [&](Integer cell) { edges = static_cast<Integer>(edges | CellEdges[cell]); });
  return edges;
}

}  // namespace vorn
