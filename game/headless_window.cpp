// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The headless window.
#include "game/headless_window.h"

namespace vorn {

void HeadlessWindow::SetOuterSize(Single widthTwips, Single heightTwips) {
  outerWidth_ = widthTwips;
  outerHeight_ = heightTwips;
}

void HeadlessWindow::Polygon(const Outline& points, Color fillColor, Integer fillStyle) {
  DrawnPolygon polygon{{}, fillColor, fillStyle};
  for (int v = 0; v < 6; ++v) polygon.points[v] = points[v];
  polygons_.push_back(polygon);
}

void HeadlessWindow::SetMenuEnabled(MenuItem item, bool enabled) {
  menuEnabled_[static_cast<int>(item)] = enabled;
}

void HeadlessWindow::SetMenuChecked(MenuItem item, bool checked) {
  menuChecked_[static_cast<int>(item)] = checked;
}

bool HeadlessWindow::MenuEnabled(MenuItem item) const {
  return menuEnabled_[static_cast<int>(item)];
}

bool HeadlessWindow::MenuChecked(MenuItem item) const {
  return menuChecked_[static_cast<int>(item)];
}

bool HeadlessWindow::MenuChoosable(MenuItem item) const {
  return MenuEnabled(item) && (!InSizeMenu(item) || MenuEnabled(MenuItem::Sizex));
}

std::array<bool, kMenuItemCount> HeadlessWindow::AllEnabled() {
  std::array<bool, kMenuItemCount> enabled;
  enabled.fill(true);
  return enabled;
}

std::array<bool, kMenuItemCount> HeadlessWindow::OnlySquareChecked() {
  std::array<bool, kMenuItemCount> checked{};
  checked[static_cast<int>(MenuItem::Squarex)] = true;
  return checked;
}

void HeadlessWindow::MessageBox(const std::string& prompt) {
  messages_.push_back(prompt);
  if (onMessage) onMessage(prompt);
}

}  // namespace vorn
