// Cell lists: every set or sequence of cells (an edge, a cell's neighbours, a chain, a search
// queue) is a text of 4-character entries, a three-digit cell code and a comma ("005,017,").
// "XXX" stands for no cell and reads as 0; "999" is a level marker and reads as 999.
#pragma once

#include <string>

#include "game/runtime.h"

namespace vorn {

// The number in entry `index` (first entry 1); past the end of the list it is 0.
Integer ListItem(Integer index, const std::string& list);

// The three characters of entry `index`, without conversion ("" past the end).
std::string ListItemText(Integer index, const std::string& list);

// The cell number as at least three digits with leading zeros: 7 -> "007".
std::string CellCode(long long number);

// Yes when the cell's code occurs anywhere in the list (a plain substring search).
Integer ListHas(Integer cell, const std::string& list);

// Yes when some entry of list A is found in list B. A's entry count is its length / 4
// rounded half to even, so a 23-character neighbour list still counts six entries.
Integer ListsShare(const std::string& listA, const std::string& listB);

// Number of whole entries of a well-formed list that ends with a comma.
inline Integer EntryCount(const std::string& list) {
  return static_cast<Integer>(list.size() / 4);
}

}  // namespace vorn
