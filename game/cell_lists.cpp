// The five cell-list operations.
#include "game/cell_lists.h"

#include <cstdio>
#include <cstdlib>

#include "game/state.h"

namespace vorn {

namespace {

// Start of entry `index`, reckoned in 16-bit arithmetic like every index of the module.
long long EntryStart(Integer index) {
  return ToInteger(ToInteger(ToInteger(index - 1) * 4) + 1);
}

}  // namespace

Integer ListItem(Integer index, const std::string& list) {
  return CInt(Val(Mid(list, EntryStart(index), 3)));
}

std::string ListItemText(Integer index, const std::string& list) {
  return Mid(list, EntryStart(index), 3);
}

std::string CellCode(long long number) {
  char digits[32];
  std::snprintf(digits, sizeof digits, "%03lld", std::llabs(number));
  return number < 0 ? std::string("-") + digits : std::string(digits);
}

Integer ListHas(Integer cell, const std::string& list) {
  return list.find(CellCode(cell)) != std::string::npos ? Yes : No;
}

Integer ListsShare(const std::string& listA, const std::string& listB) {
  const Integer count = CInt(static_cast<double>(listA.size()) / 4.0);
  if (count == 0) return No;
  for (Integer i = 1; i <= count; ++i) {
    if (ListHas(ListItem(i, listA), listB) == 1) return Yes;
  }
  return No;
}

}  // namespace vorn
