// The headless window.
#include "game/headless_window.h"

namespace vorn {

void HeadlessWindow::SetOuterSize(Single widthTwips, Single heightTwips) {
  outerWidth_ = widthTwips;
  outerHeight_ = heightTwips;
}

void HeadlessWindow::Polygon(const Outline& points, int count) {
  DrawnPolygon polygon{{}, fillColor_, fillStyle_};
  for (int v = 0; v < count && v < 6; ++v) polygon.points[v] = points[v];
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
  const bool inSizeMenu =
      item == MenuItem::Squarex || item == MenuItem::Increasex || item == MenuItem::Decreasex;
  return MenuEnabled(item) && (!inSizeMenu || MenuEnabled(MenuItem::Sizex));
}

int HeadlessWindow::MoveCount(Integer side) const {
  return static_cast<int>(moves_[side].size());
}

std::string HeadlessWindow::MoveText(Integer side, int index) const {
  const auto& list = moves_[side];
  if (index < 0 || index >= static_cast<int>(list.size())) {
    throw RunTimeError("invalid list index " + std::to_string(index));
  }
  return list[static_cast<std::size_t>(index)];
}

void HeadlessWindow::MessageBox(const std::string& prompt) {
  messages_.push_back(prompt);
  if (onMessage) onMessage(prompt);
}

}  // namespace vorn
