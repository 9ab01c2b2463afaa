// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the window system allows.
#include "ui/qt/window_system.h"

#include <QGuiApplication>

namespace vorn {

namespace {

std::optional<bool> chosenControl;

bool OwnWindowControl() {
  if (chosenControl) return *chosenControl;
  return !OnWayland();
}

}  // namespace

bool OnWayland() { return QGuiApplication::platformName().startsWith("wayland"); }

bool CanPlaceWindows() { return OwnWindowControl(); }

bool CanActivateWindows() { return OwnWindowControl(); }

void SetOwnWindowControl(std::optional<bool> allowed) { chosenControl = allowed; }

}  // namespace vorn
