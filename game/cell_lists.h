// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Cell lists: every set or sequence of cells (an edge, a cell's neighbours, a chain, a search
// queue) is a text of 4-character entries, a three-digit cell code and a comma ("005,017,").
// "XXX" stands for no cell and reads as 0; "999" is a level marker and reads as 999. Lists
// that are read for every cell of a click are walked in one pass (ForEachEntry).
#pragma once

#include <string>
#include <string_view>

#include "game/runtime.h"
#include "game/state.h"

namespace vorn {

// The number in entry `index` (first entry 1); past the end of the list it is 0.
Integer ListItem(Integer index, const std::string& list);

// The cell number as at least three digits with leading zeros: 7 -> "007".
std::string CellCode(long long number);

// Yes when the cell's code occurs anywhere in the list (a plain substring search).
Integer ListHas(Integer cell, const std::string& list);

// The entry "999" of a search queue: not a cell but the end of one ring of the search.
inline constexpr Integer kLevelMarker = 999;

// Number of whole entries of a well-formed list that ends with a comma.
inline Integer EntryCount(const std::string& list) {
  return static_cast<Integer>(list.size() / 4);
}

// The number in the (at most) three characters of one entry, as ListItem reads it.
Integer EntryNumber(std::string_view entry);

// Calls `visit` with the number of each entry of a list that ends with a comma, in order:
// what ListItem reads for entries 1..EntryCount, in one pass over the text.
template <typename Visit>
void ForEachEntry(const std::string& list, Visit visit) {
  for (std::size_t at = 0; at + 4 <= list.size(); at += 4) {
    visit(EntryNumber(std::string_view(list).substr(at, 3)));
  }
}

// The edge bits of every cell of a list of cells: the edges the cells touch between them.
Integer ListEdges(const std::string& list);

// True when the edge bits hold both of the side's edges: left and right for GREEN, top and
// bottom for RED.
inline bool JoinsEdges(Integer edges, Integer side) {
  const Integer both = side == 0 ? kLeftEdgeBit | kRightEdgeBit : kTopEdgeBit | kBottomEdgeBit;
  return (edges & both) == both;
}

}  // namespace vorn
