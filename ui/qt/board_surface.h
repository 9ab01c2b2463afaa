// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's persistent drawing surface: what the game draws stays in an off-screen
// image until the surface is cleared, and is copied to the screen on every paint. The turn
// indicator shapes sit on top of it, like controls placed over a drawing, and so do the
// marks of the front end's own (the hint, the last move, the keyboard's cell).
#pragma once

#include <QColor>
#include <QImage>
#include <QPolygon>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "ui/shared/front_end_rules.h"

class QPainter;

class BoardSurface : public QWidget {
  Q_OBJECT

 public:
  explicit BoardSurface(QWidget* parent = nullptr);

  void setBackColor(const QColor& color);
  void setDrawWidth(int pixels) { drawWidth_ = pixels; }

  // Outlines the polygon with the black pen and fills it with the fill given.
  void drawPolygon(const QPolygon& points, const QColor& fillColor, vorn::FillPattern fillStyle);
  // Erases all drawing to the background colour.
  void clear();
  // Shows all drawing now.
  void refresh();

  // The indicator shape of a side: position and size in pixels, and its fill.
  void setIndicator(int side, const QRectF& rect, const QColor& fill);
  QColor indicatorColor(int side) const { return indicators_[side].fill; }

  // The ring that marks the hinted cell, over the drawing and never in it; empty for none.
  void setHintMark(const QRectF& rect);
  QRectF hintMark() const { return hintMark_; }
  // Dark blue, a colour of neither side, plain on an empty cell.
  static constexpr QColor kHintMarkColor{0, 0, 128};
  // The dot over the last stone the computer placed, filled with `color`; empty for none.
  void setMoveMark(const QRectF& rect, const QColor& color);
  QRectF moveMark() const { return moveMark_; }
  // The frame of the cell the keyboard plays, over the drawing; empty while the keyboard
  // has not been used on the board.
  void setKeyFocus(const QRectF& rect);
  QRectF keyFocus() const { return keyFocus_; }

  // The drawing as it stands, at the surface's device pixel ratio.
  const QImage& image() const { return image_; }

  // Button releases, with the surface's own pixel position.
  std::function<void(QMouseEvent*)> onMouseRelease;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  struct Drawn {
    QPolygon points;
    QColor fillColor;
    vorn::FillPattern fillStyle;
    int drawWidth;
  };
  struct Indicator {
    QRectF rect;
    QColor fill;
  };

  void ensureImage();
  void renderDrawn(QImage& image, const Drawn& drawn) const;
  void paintKeyFocus(QPainter& painter) const;

  QImage image_;
  // Everything drawn since the last clear, so the image can be rebuilt crisp at a new size
  // or pixel ratio without losing the drawing.
  std::vector<Drawn> drawn_;
  QColor backColor_;  // the game sets it at start-up, before anything is drawn
  int drawWidth_ = 1;
  std::array<Indicator, 2> indicators_;
  QRectF hintMark_;
  QRectF moveMark_;
  QColor moveMarkColor_;
  QRectF keyFocus_;
};
