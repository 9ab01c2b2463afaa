// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The persistent drawing surface.
#include "ui/qt/board_surface.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

Qt::BrushStyle BrushStyleOf(vorn::FillPattern pattern) {
  using vorn::FillPattern;
  switch (pattern) {
    case FillPattern::kSolid: return Qt::SolidPattern;
    case FillPattern::kTransparent: return Qt::NoBrush;
    case FillPattern::kHorizontal: return Qt::HorPattern;
    case FillPattern::kVertical: return Qt::VerPattern;
    case FillPattern::kUpwardDiagonal: return Qt::BDiagPattern;
    case FillPattern::kDownwardDiagonal: return Qt::FDiagPattern;
    case FillPattern::kCross: return Qt::CrossPattern;
    case FillPattern::kDiagonalCross: return Qt::DiagCrossPattern;
  }
  return Qt::NoBrush;
}

}  // namespace

BoardSurface::BoardSurface(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardSurface::setBackColor(const QColor& color) {
  backColor_ = color;
  update();
}

void BoardSurface::drawPolygon(const QPolygon& points, const QColor& fillColor,
                               vorn::FillPattern fillStyle) {
  drawn_.push_back({points, fillColor, fillStyle, drawWidth_});
  ensureImage();
  renderDrawn(image_, drawn_.back());
}

void BoardSurface::clear() {
  drawn_.clear();
  image_.fill(backColor_);
  update();
}

void BoardSurface::refresh() {
  ensureImage();
  repaint();
}

void BoardSurface::setIndicator(int side, const QRectF& rect, const QColor& fill) {
  indicators_[side] = {rect, fill};
  update();
}

void BoardSurface::ensureImage() {
  const qreal ratio = devicePixelRatioF();
  const QSize logical = size().expandedTo(QSize(1, 1));
  if (!image_.isNull() && image_.devicePixelRatio() == ratio &&
      image_.deviceIndependentSize().toSize() == logical) {
    return;
  }
  image_ = QImage(logical * ratio, QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio);
  image_.fill(backColor_);
  for (const Drawn& drawn : drawn_) renderDrawn(image_, drawn);
}

void BoardSurface::renderDrawn(QImage& image, const Drawn& drawn) const {
  QPainter painter(&image);
  painter.setPen(QPen(Qt::black, drawn.drawWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(QBrush(drawn.fillColor, BrushStyleOf(drawn.fillStyle)));
  painter.drawPolygon(drawn.points);
}

void BoardSurface::paintEvent(QPaintEvent*) {
  ensureImage();
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), image_);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 1));
  for (const Indicator& indicator : indicators_) {
    if (indicator.rect.isEmpty()) continue;
    painter.setBrush(indicator.fill);
    painter.drawEllipse(indicator.rect);
  }
  if (!moveMark_.isEmpty()) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(moveMarkColor_);
    painter.drawEllipse(moveMark_);
  }
  if (!hintMark_.isEmpty()) {
    painter.setPen(QPen(kHintMarkColor, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(hintMark_);
  }
  paintKeyFocus(painter);
}

// White under black dashes, so that the frame shows on either side's stones and on an
// empty cell alike.
void BoardSurface::paintKeyFocus(QPainter& painter) const {
  if (keyFocus_.isEmpty()) return;
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::white, 2));
  painter.drawRect(keyFocus_);
  painter.setPen(QPen(Qt::black, 2, Qt::DashLine));
  painter.drawRect(keyFocus_);
}

void BoardSurface::setMoveMark(const QRectF& rect, const QColor& color) {
  if (rect == moveMark_ && color == moveMarkColor_) return;
  moveMark_ = rect;
  moveMarkColor_ = color;
  update();
}

void BoardSurface::setKeyFocus(const QRectF& rect) {
  if (rect == keyFocus_) return;
  keyFocus_ = rect;
  update();
}

void BoardSurface::setHintMark(const QRectF& rect) {
  if (rect == hintMark_) return;
  hintMark_ = rect;
  update();
}

void BoardSurface::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  ensureImage();
}

void BoardSurface::mouseReleaseEvent(QMouseEvent* event) {
  if (onMouseRelease) onMouseRelease(event);
}
