// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The persistent drawing surface.
#include "ui/win32/board_bitmap.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "game/runtime.h"

namespace vorn::win32 {

namespace {

// Owns a GDI object selected into a device context for one drawing, and gives the old one
// back.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), object_(object), old_(SelectObject(dc, object)) {}
  ~Selected() {
    SelectObject(dc_, old_);
    DeleteObject(object_);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ object_;
  HGDIOBJ old_;
};

HGDIOBJ BrushFor(const GdiFill& fill, COLORREF color) {
  switch (fill.kind) {
    case FillKind::kSolid: return CreateSolidBrush(color);
    case FillKind::kHatch: return CreateHatchBrush(fill.hatch, color);
    case FillKind::kHollow: break;
  }
  LOGBRUSH hollow{BS_HOLLOW, 0, 0};
  return CreateBrushIndirect(&hollow);
}

// The directions of a hatch's lines, as steps across one line.
struct HatchLines {
  bool horizontal, vertical, rising, falling;
};

HatchLines LinesOf(int hatch) {
  switch (hatch) {
    case HS_HORIZONTAL: return {true, false, false, false};
    case HS_VERTICAL: return {false, true, false, false};
    case HS_BDIAGONAL: return {false, false, true, false};
    case HS_FDIAGONAL: return {false, false, false, true};
    case HS_CROSS: return {true, true, false, false};
    default: return {false, false, true, true};  // HS_DIAGCROSS
  }
}

// GDI's hatch brushes have their lines 8 device pixels apart at any scale. At a scale other
// than 1 the same hatch is drawn as lines of its own, 8 game pixels apart and one game pixel
// wide, clipped to the polygon and aligned to the bitmap's corner as a brush is: the board
// then looks at 200 % as it does at 100 %, only finer.
void DrawScaledHatch(HDC dc, const std::array<POINT, 6>& points, int hatch, COLORREF color,
                     double scale) {
  HRGN region = CreatePolygonRgn(points.data(), static_cast<int>(points.size()), WINDING);
  SelectClipRgn(dc, region);
  RECT box{};
  GetRgnBox(region, &box);
  Selected pen(dc, CreatePen(PS_SOLID, std::max(1, static_cast<int>(std::lround(scale))), color));
  const double step = 8 * scale;
  auto line = [dc](double x1, double y1, double x2, double y2) {
    MoveToEx(dc, static_cast<int>(std::lround(x1)), static_cast<int>(std::lround(y1)), nullptr);
    LineTo(dc, static_cast<int>(std::lround(x2)), static_cast<int>(std::lround(y2)));
  };
  const HatchLines lines = LinesOf(hatch);
  const double height = box.bottom - box.top;
  for (double at = std::floor((box.left - height) / step) * step; at <= box.right; at += step) {
    if (lines.vertical) line(at, box.top, at, box.bottom);
    // "\" runs down to the right from (at, top), "/" up to the right from (at, bottom).
    if (lines.falling) line(at, box.top, at + height, box.bottom);
    if (lines.rising) line(at, box.bottom, at + height, box.top);
  }
  if (lines.horizontal) {
    for (double at = std::floor(box.top / step) * step; at <= box.bottom; at += step) {
      line(box.left, at, box.right, at);
    }
  }
  SelectClipRgn(dc, nullptr);
  DeleteObject(region);
}

}  // namespace

GdiFill FillOfStyle(FillPattern pattern) {
  switch (pattern) {
    case FillPattern::kSolid: return {FillKind::kSolid, 0};
    case FillPattern::kTransparent: return {FillKind::kHollow, 0};
    case FillPattern::kHorizontal: return {FillKind::kHatch, HS_HORIZONTAL};
    case FillPattern::kVertical: return {FillKind::kHatch, HS_VERTICAL};
    case FillPattern::kUpwardDiagonal: return {FillKind::kHatch, HS_BDIAGONAL};
    case FillPattern::kDownwardDiagonal: return {FillKind::kHatch, HS_FDIAGONAL};
    case FillPattern::kCross: return {FillKind::kHatch, HS_CROSS};
    case FillPattern::kDiagonalCross: return {FillKind::kHatch, HS_DIAGCROSS};
  }
  return {FillKind::kHollow, 0};
}

BoardBitmap::~BoardBitmap() {
  if (dc_ == nullptr) return;
  SelectObject(dc_, originalBitmap_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

void BoardBitmap::SetScale(double scale) {
  if (scale == scale_) return;
  scale_ = scale;
  Rebuild();
}

void BoardBitmap::Resize(int width, int height) {
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  Rebuild();
}

void BoardBitmap::DrawPolygon(const std::array<POINT, 6>& points, COLORREF fillColor,
                              FillPattern fillStyle) {
  drawn_.push_back({points, fillColor, fillStyle, drawWidth_});
  Render(drawn_.back());
}

void BoardBitmap::Clear() {
  drawn_.clear();
  Erase();
}

void BoardBitmap::PaintTo(HDC target, const RECT& area) const {
  if (dc_ == nullptr) return;
  BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_,
         area.left, area.top, SRCCOPY);
}

// A new bitmap of the size and scale now set, with everything drawn since the last clear.
void BoardBitmap::Rebuild() {
  if (width_ <= 0 || height_ <= 0) return;
  HDC screen = GetDC(nullptr);
  if (dc_ == nullptr) dc_ = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width_, height_);
  ReleaseDC(nullptr, screen);
  HGDIOBJ previous = SelectObject(dc_, bitmap);
  if (bitmap_ == nullptr) {
    originalBitmap_ = previous;
  } else {
    DeleteObject(bitmap_);
  }
  bitmap_ = bitmap;
  Erase();
  for (const Drawn& drawn : drawn_) Render(drawn);
}

void BoardBitmap::Erase() {
  if (dc_ == nullptr) return;
  const RECT all{0, 0, width_, height_};
  HBRUSH back = CreateSolidBrush(backColor_);
  FillRect(dc_, &all, back);
  DeleteObject(back);
}

void BoardBitmap::Render(const Drawn& drawn) {
  if (dc_ == nullptr) return;
  std::array<POINT, 6> device{};
  for (std::size_t v = 0; v < device.size(); ++v) {
    device[v] = {std::lround(drawn.points[v].x * scale_), std::lround(drawn.points[v].y * scale_)};
  }
  // A wide pen with mitred corners, as the outlines of six-sided cells want.
  const LOGBRUSH black{BS_SOLID, RGB(0, 0, 0), 0};
  const DWORD penWidth = static_cast<DWORD>(std::max(1L, std::lround(drawn.drawWidth * scale_)));
  Selected pen(dc_, ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_SQUARE | PS_JOIN_MITER,
                                 penWidth, &black, 0, nullptr));
  GdiFill fill = FillOfStyle(drawn.fillStyle);
  if (fill.kind == FillKind::kHatch && scale_ != 1.0) {
    DrawScaledHatch(dc_, device, fill.hatch, drawn.fillColor, scale_);
    fill = {FillKind::kHollow, 0};
  }
  Selected brush(dc_, BrushFor(fill, drawn.fillColor));
  SetBkMode(dc_, TRANSPARENT);  // between hatch lines the stone shows
  ::Polygon(dc_, device.data(), static_cast<int>(device.size()));
}

}  // namespace vorn::win32
