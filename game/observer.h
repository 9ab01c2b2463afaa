// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A hook for tools that follow a game as it happens: the game tells the observer attached,
// if any, of each board it builds and each stone placed. The game works the same with or
// without one.
#pragma once

#include "game/runtime.h"

namespace vorn {

class GameObserver {
 public:
  virtual ~GameObserver() = default;
  virtual void BoardBuilt() {}
  virtual void StonePlaced(Integer /*side*/, Integer /*cell*/) {}
};

void AttachObserver(GameObserver* observer);  // nullptr detaches
GameObserver& Observer();

}  // namespace vorn
