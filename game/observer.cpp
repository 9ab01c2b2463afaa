// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The attached observer.
#include "game/observer.h"

namespace vorn {

namespace {

GameObserver silentObserver;
GameObserver* attachedObserver = &silentObserver;

}  // namespace

void AttachObserver(GameObserver* observer) {
  attachedObserver = observer != nullptr ? observer : &silentObserver;
}

GameObserver& Observer() { return *attachedObserver; }

}  // namespace vorn
