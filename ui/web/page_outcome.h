// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A command of the page's script run through the game's error boundary.
#pragma once

#include <functional>

#include "play/error_boundary.h"

namespace vorn::web {

// The outcome as the page reads it: 0 ran, 1 recovered from a fault, 2 stopped.
inline int Guarded(const std::function<void()>& handler) {
  return static_cast<int>(vorn::RunGuarded(handler));
}

}  // namespace vorn::web
