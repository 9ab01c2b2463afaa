// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window services on a web page: every call goes on to the page's script (the object
// `page` handed to the module when it was created, see src/page_window.ts), which draws on
// a canvas, keeps the menus and the turn indicator and shows the message boxes. The screen
// is the CSS one: 96 pixels to the inch, so 15 twips to the pixel.
#pragma once

#include "game/window_services.h"

namespace vorn::web {

class PageWindow : public WindowServices {
 public:
  void SetCaption(const std::string& caption) override;
  void SetOuterSize(Single widthTwips, Single heightTwips) override;
  void SetEnabled(bool enabled) override;
  void SetBackColor(Color color) override;
  void SetDrawWidth(Integer pixels) override;
  void Polygon(const Outline& points, Color fillColor, Integer fillStyle) override;
  void Cls() override;
  void Refresh() override;
  Single TwipsPerPixelX() const override;
  Single TwipsPerPixelY() const override;
  void SetMenuEnabled(MenuItem item, bool enabled) override;
  void SetMenuChecked(MenuItem item, bool checked) override;
  void SetIndicatorColor(Integer side, Color color) override;
  // Returns at once: the page shows the box and holds back what is drawn after it until
  // the box is closed, so the game goes on as if the box had been answered.
  void MessageBox(const std::string& prompt) override;
  // The page searches in a Web Worker of its own, with its own instance of the game's module,
  // and hands the answer back through vorn_search_done (level_entry.cpp); a page without
  // workers leaves the search to the game.
  bool StartSearch(const SearchRequest& request) override;
  void ShowHint(Integer cell) override;
};

}  // namespace vorn::web
