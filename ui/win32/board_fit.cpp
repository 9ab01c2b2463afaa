// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The board's scale on its monitor.
#include "ui/win32/board_fit.h"

#include <algorithm>

#include "game/window_services.h"

namespace vorn::win32 {

double BoardScale(const BoardRoom& room) {
  const double monitorScale = room.dpi / kStandardPixelsPerInch;
  if (!(room.boardWidth > 0) || !(room.boardHeight > 0)) return monitorScale;
  const double fitting =
      std::min(room.roomWidth / room.boardWidth, room.roomHeight / room.boardHeight);
  return std::max(kSmallestBoardScale, std::min(monitorScale, fitting));
}

}  // namespace vorn::win32
