// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window services, passed on to the page's script.
#include "ui/web/page_window.h"

#include <emscripten/emscripten.h>

#include <cmath>
#include <string>

#include "computer/reply_search.h"
#include "ui/shared/front_end_rules.h"

// The page's side of each call; `Module.page` is the object the script gave the module. An
// exception of the script must not unwind through the game's frames, where no C++ handler
// sees it: each call catches it, keeps its text in `Module.pageFault` and returns 1, and the
// window throws it on as the game's own run-time error (Checked), so that the error boundary
// gives the page the same fresh board as a desktop window.
#define VORN_PAGE_CALL(name, params, ...) \
  EM_JS(int, name, params, {                \
    try {                                   \
      __VA_ARGS__;                          \
      return 0;                             \
    } catch (error) {                       \
      Module.pageFault = String(error);     \
      return 1;                             \
    }                                       \
  })

VORN_PAGE_CALL(PageSetCaption, (const char* caption),
               Module.page.setCaption(UTF8ToString(caption)));
VORN_PAGE_CALL(PageSetOuterSize, (int width, int height),
               Module.page.setOuterSize(width, height));
VORN_PAGE_CALL(PageSetEnabled, (bool enabled), Module.page.setEnabled(!!enabled));
VORN_PAGE_CALL(PageSetBackColor, (unsigned color), Module.page.setBackColor(color));
VORN_PAGE_CALL(PageSetDrawWidth, (int pixels), Module.page.setDrawWidth(pixels));
VORN_PAGE_CALL(PagePolygon, (const int* points, unsigned fill, int style),
               Module.page.polygon(Array.from(HEAP32.subarray(points >> 2, (points >> 2) + 12)),
                                   fill, style));
VORN_PAGE_CALL(PageCls, (), Module.page.cls());
VORN_PAGE_CALL(PageRefresh, (), Module.page.refresh());
VORN_PAGE_CALL(PageSetMenuEnabled, (int item, bool enabled),
               Module.page.setMenuEnabled(item, !!enabled));
VORN_PAGE_CALL(PageSetMenuChecked, (int item, bool checked),
               Module.page.setMenuChecked(item, !!checked));
VORN_PAGE_CALL(PageSetIndicatorColor, (int side, unsigned color),
               Module.page.setIndicatorColor(side, color));
VORN_PAGE_CALL(PageMessageBox, (const char* prompt),
               Module.page.messageBox(UTF8ToString(prompt)));

// The request as the page's worker takes it; the page's answer, whether it searches in a
// worker, is kept in `Module.searchStarted`.
VORN_PAGE_CALL(PageStartSearch, (unsigned ticket, int purpose, int cellsPerRow, int rows,
                                 int toMove, int playouts, const signed char* owners, int count),
               Module.searchStarted = !!Module.page.startSearch({
                 ticket : ticket >>> 0, purpose : purpose, cellsPerRow : cellsPerRow,
                 rows : rows, toMove : toMove, playouts : playouts,
                 owners : Array.from(HEAP8.subarray(owners, owners + count))
               }));
EM_JS(bool, PageSearchStarted, (), { return !!Module.searchStarted; });
VORN_PAGE_CALL(PageShowHint, (int cell), Module.page.showHint(cell));

// The text of the script's last exception.
EM_JS(void, PageFaultText, (char* buffer, int size),
      { stringToUTF8(String(Module.pageFault), buffer, size); });

namespace {

void Checked(int threw) {
  if (threw == 0) return;
  char text[512] = {};
  PageFaultText(text, sizeof text);
  throw vorn::RunTimeError(std::string("the page's script failed: ") + text);
}

}  // namespace

namespace vorn::web {

void PageWindow::SetCaption(const std::string& caption) {
  Checked(PageSetCaption(caption.c_str()));
}

// A page has no frame: the outer size is the board's area.
void PageWindow::SetOuterSize(Single widthTwips, Single heightTwips) {
  Checked(PageSetOuterSize(static_cast<int>(std::lround(widthTwips / TwipsPerPixelX())),
                           static_cast<int>(std::lround(heightTwips / TwipsPerPixelY()))));
}

void PageWindow::SetEnabled(bool enabled) { Checked(PageSetEnabled(enabled)); }

void PageWindow::SetBackColor(Color color) { Checked(PageSetBackColor(color)); }

void PageWindow::SetDrawWidth(Integer pixels) { Checked(PageSetDrawWidth(pixels)); }

// A fill style the game never uses is refused here, before the page sees it.
void PageWindow::Polygon(const Outline& points, Color fillColor, Integer fillStyle) {
  CheckedFillStyle(fillStyle);
  int xy[12];
  for (int v = 0; v < 6; ++v) {
    xy[2 * v] = points[v].x;
    xy[2 * v + 1] = points[v].y;
  }
  Checked(PagePolygon(xy, fillColor, fillStyle));
}

void PageWindow::Cls() { Checked(PageCls()); }

void PageWindow::Refresh() { Checked(PageRefresh()); }

Single PageWindow::TwipsPerPixelX() const {
  return kStandardTwipsPerPixel;  // CSS pixels are 1/96 of an inch on every device
}

Single PageWindow::TwipsPerPixelY() const {
  return kStandardTwipsPerPixel;  // CSS pixels are 1/96 of an inch on every device
}

void PageWindow::SetMenuEnabled(MenuItem item, bool enabled) {
  Checked(PageSetMenuEnabled(static_cast<int>(item), enabled));
}

void PageWindow::SetMenuChecked(MenuItem item, bool checked) {
  Checked(PageSetMenuChecked(static_cast<int>(item), checked));
}

void PageWindow::SetIndicatorColor(Integer side, Color color) {
  Checked(PageSetIndicatorColor(CheckedSide(side), color));
}

void PageWindow::MessageBox(const std::string& prompt) {
  Checked(PageMessageBox(prompt.c_str()));
}

bool PageWindow::StartSearch(const SearchRequest& request) {
  const engine::Position& position = request.position;
  Checked(PageStartSearch(request.ticket, static_cast<int>(request.purpose),
                          position.cellsPerRow, position.rows, position.toMove, request.playouts,
                          position.owner.data(), static_cast<int>(position.owner.size())));
  return PageSearchStarted();
}

void PageWindow::ShowHint(Integer cell) { Checked(PageShowHint(cell)); }

}  // namespace vorn::web
