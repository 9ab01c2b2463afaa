// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A window without a screen: it keeps everything the game draws and shows, so tests and tools
// can run the real game logic and look at the result. Its screen has 15 twips per pixel.
// It is a library of its own (vorn_headless), for vorn-replay and the tests; the game does
// not need it.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "game/window_services.h"

namespace vorn {

struct DrawnPolygon {
  std::array<PointL, 6> points;
  Color fillColor = 0;
  Integer fillStyle = 0;
};

class HeadlessWindow : public WindowServices {
 public:
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  void SetOuterSize(Single widthTwips, Single heightTwips) override;
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  void SetBackColor(Color color) override { backColor_ = color; }
  void SetDrawWidth(Integer pixels) override { drawWidth_ = pixels; }
  void Polygon(const Outline& points, Color fillColor, Integer fillStyle) override;
  void Cls() override {
    polygons_.clear();
    shownCount_ = 0;
  }
  void Refresh() override { shownCount_ = polygons_.size(); }
  Single TwipsPerPixelX() const override { return kStandardTwipsPerPixel; }
  Single TwipsPerPixelY() const override { return kStandardTwipsPerPixel; }
  void SetMenuEnabled(MenuItem item, bool enabled) override;
  void SetMenuChecked(MenuItem item, bool checked) override;
  void SetIndicatorColor(Integer side, Color color) override { indicator_[side] = color; }
  void MessageBox(const std::string& prompt) override;

  // What the window holds now.
  const std::string& Caption() const { return caption_; }
  Single OuterWidth() const { return outerWidth_; }
  Single OuterHeight() const { return outerHeight_; }
  Color BackColor() const { return backColor_; }
  Integer DrawWidth() const { return drawWidth_; }
  bool Enabled() const { return enabled_; }
  bool MenuEnabled(MenuItem item) const;
  bool MenuChecked(MenuItem item) const;
  // Whether a command of the menu can be chosen: the item and, for the size commands, the
  // "Size" submenu too must be enabled.
  bool MenuChoosable(MenuItem item) const;
  Color IndicatorColor(Integer side) const { return indicator_[side]; }
  // Polygons drawn since the window was last cleared, oldest first; and how many of them a
  // refresh has made visible.
  const std::vector<DrawnPolygon>& Polygons() const { return polygons_; }
  std::size_t ShownCount() const { return shownCount_; }
  const std::vector<std::string>& Messages() const { return messages_; }

  // Called with each message as it is shown; the box is answered when the call returns.
  std::function<void(const std::string&)> onMessage;

 private:
  // The menus as the window's design has them: every item enabled, "Square" checked.
  static std::array<bool, kMenuItemCount> AllEnabled();
  static std::array<bool, kMenuItemCount> OnlySquareChecked();

  std::string caption_;
  Single outerWidth_ = 0;
  Single outerHeight_ = 0;
  Color backColor_ = 0;
  Integer drawWidth_ = 1;
  bool enabled_ = true;
  std::array<bool, kMenuItemCount> menuEnabled_ = AllEnabled();
  std::array<bool, kMenuItemCount> menuChecked_ = OnlySquareChecked();
  PerSide<Color> indicator_;
  std::vector<DrawnPolygon> polygons_;
  std::size_t shownCount_ = 0;
  std::vector<std::string> messages_;
};

}  // namespace vorn
