// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window services, passed on to the page's script.
#include "ui/web/page_window.h"

#include <emscripten/emscripten.h>

#include <cmath>

#include "computer/reply_search.h"

// The page's side of each call; `Module.page` is the object the script gave the module.
EM_JS(void, PageSetCaption, (const char* caption),
      { Module.page.setCaption(UTF8ToString(caption)); });
EM_JS(void, PageSetOuterSize, (int width, int height),
      { Module.page.setOuterSize(width, height); });
EM_JS(void, PageSetEnabled, (bool enabled), { Module.page.setEnabled(!!enabled); });
EM_JS(void, PageSetBackColor, (unsigned color), { Module.page.setBackColor(color); });
EM_JS(void, PageSetDrawWidth, (int pixels), { Module.page.setDrawWidth(pixels); });
EM_JS(void, PagePolygon, (const int* points, unsigned fill, int style), {
  Module.page.polygon(Array.from(HEAP32.subarray(points >> 2, (points >> 2) + 12)), fill,
                      style);
});
EM_JS(void, PageCls, (), { Module.page.cls(); });
EM_JS(void, PageRefresh, (), { Module.page.refresh(); });
EM_JS(void, PageSetMenuEnabled, (int item, bool enabled),
      { Module.page.setMenuEnabled(item, !!enabled); });
EM_JS(void, PageSetMenuChecked, (int item, bool checked),
      { Module.page.setMenuChecked(item, !!checked); });
EM_JS(void, PageSetIndicatorColor, (int side, unsigned color),
      { Module.page.setIndicatorColor(side, color); });
EM_JS(void, PageMessageBox, (const char* prompt),
      { Module.page.messageBox(UTF8ToString(prompt)); });
// The request as the page's worker takes it; false when the page cannot search in a worker.
EM_JS(bool, PageStartSearch, (unsigned ticket, int purpose, int cellsPerRow, int rows, int toMove,
                              int playouts, const signed char* owners, int count), {
  return !!Module.page.startSearch({
    ticket : ticket >>> 0, purpose : purpose, cellsPerRow : cellsPerRow, rows : rows,
    toMove : toMove, playouts : playouts, owners : Array.from(HEAP8.subarray(owners, owners + count))
  });
});
EM_JS(void, PageShowHint, (int cell), { Module.page.showHint(cell); });

namespace vorn::web {

void PageWindow::SetCaption(const std::string& caption) { PageSetCaption(caption.c_str()); }

// A page has no frame: the outer size is the board's area.
void PageWindow::SetOuterSize(Single widthTwips, Single heightTwips) {
  PageSetOuterSize(static_cast<int>(std::lround(widthTwips / TwipsPerPixelX())),
                   static_cast<int>(std::lround(heightTwips / TwipsPerPixelY())));
}

void PageWindow::SetEnabled(bool enabled) { PageSetEnabled(enabled); }

void PageWindow::SetBackColor(Color color) { PageSetBackColor(color); }

void PageWindow::SetDrawWidth(Integer pixels) { PageSetDrawWidth(pixels); }

void PageWindow::Polygon(const Outline& points, Color fillColor, Integer fillStyle) {
  int xy[12];
  for (int v = 0; v < 6; ++v) {
    xy[2 * v] = points[v].x;
    xy[2 * v + 1] = points[v].y;
  }
  PagePolygon(xy, fillColor, fillStyle);
}

void PageWindow::Cls() { PageCls(); }

void PageWindow::Refresh() { PageRefresh(); }

Single PageWindow::TwipsPerPixelX() const {
  return kStandardTwipsPerPixel;  // CSS pixels are 1/96 of an inch on every device
}

Single PageWindow::TwipsPerPixelY() const {
  return kStandardTwipsPerPixel;  // CSS pixels are 1/96 of an inch on every device
}

void PageWindow::SetMenuEnabled(MenuItem item, bool enabled) {
  PageSetMenuEnabled(static_cast<int>(item), enabled);
}

void PageWindow::SetMenuChecked(MenuItem item, bool checked) {
  PageSetMenuChecked(static_cast<int>(item), checked);
}

void PageWindow::SetIndicatorColor(Integer side, Color color) {
  PageSetIndicatorColor(CheckedSide(side), color);
}

void PageWindow::MessageBox(const std::string& prompt) { PageMessageBox(prompt.c_str()); }

bool PageWindow::StartSearch(const SearchRequest& request) {
  const engine::Position& position = request.position;
  return PageStartSearch(request.ticket, static_cast<int>(request.purpose), position.cellsPerRow,
                         position.rows, position.toMove, request.playouts, position.owner.data(),
                         static_cast<int>(position.owner.size()));
}

void PageWindow::ShowHint(Integer cell) { PageShowHint(cell); }

}  // namespace vorn::web
