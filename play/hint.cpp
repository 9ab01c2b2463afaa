// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The hint command.
#include "play/hint.h"

#include "computer/computer_move.h"
#include "computer/reply_search.h"
#include "game/state.h"
#include "game/window_services.h"

namespace vorn {

bool HintAvailable() {
  return CellCount > 0 && SideToMove == 0 && PresetMode == No && !AwaitingReply() &&
         LowestEmptyCell() != 0;
}

void Hintx_Click() {
  if (!HintAvailable()) return;
  // A hint already found for this position is shown again without a new search.
  if (HintedCell() != 0) {
    Window().ShowHint(HintedCell());
    return;
  }
  RequestSearch(SearchPurpose::Hint);
}

TwipCircle HintRingOf(Integer cell) {
  const TwipBox box = ClickBox(cell);
  const TwipPoint middle = ClickBoxMiddle(cell);
  return {middle.x, middle.y, (box.bottom - box.top) * 0.4f};
}

Integer HintedCell() { return HintVersion == PositionVersion ? HintCell : Integer{0}; }

}  // namespace vorn
