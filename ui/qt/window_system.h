// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window system lets the program do with its own windows. A Wayland client can
// neither place a window on the screen nor raise one and give it the focus (Qt has no
// activation token to offer the compositor); the compositor decides both.
#pragma once

#include <optional>

namespace vorn {

bool CanPlaceWindows();
bool CanActivateWindows();

// Whether the program runs on a Wayland compositor, whatever a test takes the part of.
bool OnWayland();

// Tests take the part of a window system that allows both (true) or neither (false);
// std::nullopt gives the real one back.
void SetOwnWindowControl(std::optional<bool> allowed);

}  // namespace vorn
