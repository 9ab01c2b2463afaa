// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's persistent drawing surface: a bitmap in a memory device context, as
// large as the window's client area, into which the game's polygons are drawn with GDI. It
// is copied to the window on every paint, so the drawing survives being covered.
//
// The game draws in pixels of an unscaled screen (96 to the logical inch); the bitmap holds
// device pixels, so at a display scale of 150 % or 200 % every point and the pen are scaled
// and the board is drawn at the screen's full resolution. It keeps the list of what was drawn
// since the last clear, so a new size or scale redraws it crisp instead of stretching it.
#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "ui/shared/front_end_rules.h"

namespace vorn::win32 {

class BoardBitmap {
 public:
  BoardBitmap() = default;
  ~BoardBitmap();
  BoardBitmap(const BoardBitmap&) = delete;
  BoardBitmap& operator=(const BoardBitmap&) = delete;

  // Device pixels per game pixel.
  void SetScale(double scale);
  double Scale() const { return scale_; }
  // The size in device pixels.
  void Resize(int width, int height);

  void SetBackColor(COLORREF color) { backColor_ = color; }
  void SetDrawWidth(int pixels) { drawWidth_ = pixels; }

  // Outlines the polygon (game pixels) with the black pen and fills it: solid, not at all, or
  // hatched with the stone or cell beneath showing between the lines.
  void DrawPolygon(const std::array<POINT, 6>& points, COLORREF fillColor,
                   FillPattern fillStyle);
  // Erases all drawing to the background colour.
  void Clear();

  // Copies the part `area` (device pixels) of the drawing to `target`.
  void PaintTo(HDC target, const RECT& area) const;

 private:
  struct Drawn {
    std::array<POINT, 6> points;
    COLORREF fillColor;
    FillPattern fillStyle;
    int drawWidth;
  };

  void Rebuild();
  void Erase();
  void Render(const Drawn& drawn);

  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ originalBitmap_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  double scale_ = 1.0;
  COLORREF backColor_ = RGB(0, 0, 0);  // the game sets it at start-up, before drawing
  int drawWidth_ = 1;
  std::vector<Drawn> drawn_;
};

// A fill pattern as GDI draws it: a solid brush, no brush, or a hatch.
enum class FillKind { kSolid, kHollow, kHatch };
struct GdiFill {
  FillKind kind;
  int hatch;  // HS_* for kHatch
};
GdiFill FillOfStyle(FillPattern pattern);

}  // namespace vorn::win32
