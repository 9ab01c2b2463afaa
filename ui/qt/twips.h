// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Window layouts are designed in twips (1440 to the inch) and placed in pixels with the
// screen's twips per pixel, so they keep their proportions at any resolution.
#pragma once

#include <QRect>
#include <QWidget>

#include "game/window_services.h"

namespace vorn {

inline double TwipsPerPixelX(const QWidget& widget) { return kTwipsPerInch / widget.logicalDpiX(); }
inline double TwipsPerPixelY(const QWidget& widget) { return kTwipsPerInch / widget.logicalDpiY(); }

inline QSize TwipsToPixels(const QWidget& widget, double width, double height) {
  return QSize(qRound(width / TwipsPerPixelX(widget)), qRound(height / TwipsPerPixelY(widget)));
}

inline QRect TwipsToPixels(const QWidget& widget, double left, double top, double width,
                           double height) {
  return QRect(QPoint(qRound(left / TwipsPerPixelX(widget)), qRound(top / TwipsPerPixelY(widget))),
               TwipsToPixels(widget, width, height));
}

}  // namespace vorn
