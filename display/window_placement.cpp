// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Placement of message boxes and dialogs over and beside the main window.
#include "display/window_placement.h"

#include <algorithm>
#include <climits>

namespace vorn {

namespace {

// Moves `wanted` the least that puts the box on the screen; the top left wins when the box
// is larger than the screen.
ScreenPoint OnScreen(const ScreenPoint& wanted, int width, int height, const ScreenRect& screen) {
  return {std::max(screen.left, std::min(wanted.x, screen.left + screen.width - width)),
          std::max(screen.top, std::min(wanted.y, screen.top + screen.height - height))};
}

long long CoveredArea(const ScreenRect& a, const ScreenRect& b) {
  const long long width = std::min(a.left + a.width, b.left + b.width) - std::max(a.left, b.left);
  const long long height = std::min(a.top + a.height, b.top + b.height) - std::max(a.top, b.top);
  return width > 0 && height > 0 ? width * height : 0;
}

}  // namespace

ScreenPoint KeepOnScreen(const ScreenRect& window, const ScreenRect& screen) {
  return OnScreen({window.left, window.top}, window.width, window.height, screen);
}

ScreenPoint CentreOver(const ScreenRect& window, int boxWidth, int boxHeight,
                       const ScreenRect& screen) {
  const ScreenPoint centred{window.left + (window.width - boxWidth) / 2,
                            window.top + (window.height - boxHeight) / 2};
  return OnScreen(centred, boxWidth, boxHeight, screen);
}

ScreenPoint PlaceBeside(const ScreenRect& window, int boxWidth, int boxHeight,
                        const ScreenRect& screen, int gap) {
  // The window's middle pixel, its last pixel being left + width - 1.
  const int middleX = (2 * window.left + window.width - 1) / 2;
  const int middleY = (2 * window.top + window.height - 1) / 2;
  const int besideY = middleY - boxHeight / 2;
  const int underX = middleX - boxWidth / 2;
  const ScreenPoint wanted[] = {{window.left + window.width + gap, besideY},
                                {window.left - gap - boxWidth, besideY},
                                {underX, window.top + window.height + gap},
                                {underX, window.top - gap - boxHeight}};
  ScreenPoint best;
  long long leastCovered = LLONG_MAX;
  for (const ScreenPoint& place : wanted) {
    const ScreenPoint at = OnScreen(place, boxWidth, boxHeight, screen);
    const long long covered = CoveredArea({at.x, at.y, boxWidth, boxHeight}, window);
    if (covered < leastCovered) {
      best = at;
      leastCovered = covered;
    }
    if (covered == 0) break;
  }
  return best;
}

}  // namespace vorn
