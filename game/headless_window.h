// A window without a screen: it keeps everything the game draws and shows, so tests and tools
// can run the real game logic and look at the result. Its screen has 15 twips per pixel.
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
  void SetBackColor(Color color) override { backColor_ = color; }
  Color BackColor() const override { return backColor_; }
  void SetFillColor(Color color) override { fillColor_ = color; }
  void SetFillStyle(Integer style) override { fillStyle_ = style; }
  void SetDrawWidth(Integer pixels) override { drawWidth_ = pixels; }
  void Polygon(const Outline& points, int count) override;
  void Cls() override { polygons_.clear(); }
  void Refresh() override { ++refreshCount_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  Single TwipsPerPixelX() const override { return 15; }
  Single TwipsPerPixelY() const override { return 15; }
  void SetMenuEnabled(MenuItem item, bool enabled) override;
  void SetMenuChecked(MenuItem item, bool checked) override;
  void SetIndicatorColor(Integer side, Color color) override { indicator_[side] = color; }
  void HideMoveLists() override { moveListsVisible_ = false; }
  void AppendMove(Integer side, const std::string& item) override { moves_[side].push_back(item); }
  int MoveCount(Integer side) const override;
  std::string MoveText(Integer side, int index) const override;
  void SetLabelCaption(const std::string& caption) override { labelCaption_ = caption; }
  void HideLabel() override { labelVisible_ = false; }
  void MessageBox(const std::string& prompt) override;

  // What the window holds now.
  const std::string& Caption() const { return caption_; }
  Single OuterWidth() const { return outerWidth_; }
  Single OuterHeight() const { return outerHeight_; }
  Color FillColor() const { return fillColor_; }
  Integer FillStyle() const { return fillStyle_; }
  Integer DrawWidth() const { return drawWidth_; }
  bool Enabled() const { return enabled_; }
  bool MenuEnabled(MenuItem item) const;
  bool MenuChecked(MenuItem item) const;
  // Whether a command of the menu can be chosen: the item and, for the size commands, the
  // "Size" submenu too must be enabled.
  bool MenuChoosable(MenuItem item) const;
  Color IndicatorColor(Integer side) const { return indicator_[side]; }
  bool MoveListsVisible() const { return moveListsVisible_; }
  const std::vector<std::string>& Moves(Integer side) const { return moves_[side]; }
  const std::string& LabelCaption() const { return labelCaption_; }
  bool LabelVisible() const { return labelVisible_; }
  // Polygons drawn since the window was last cleared, oldest first.
  const std::vector<DrawnPolygon>& Polygons() const { return polygons_; }
  int RefreshCount() const { return refreshCount_; }
  const std::vector<std::string>& Messages() const { return messages_; }

  // Called with each message as it is shown; the box is answered when the call returns.
  std::function<void(const std::string&)> onMessage;

 private:
  std::string caption_;
  Single outerWidth_ = 0;
  Single outerHeight_ = 0;
  Color backColor_ = 0;
  Color fillColor_ = 0;
  Integer fillStyle_ = 0;
  Integer drawWidth_ = 1;
  bool enabled_ = true;
  std::array<bool, kMenuItemCount> menuEnabled_{true, true, true, true, true, true, true};
  std::array<bool, kMenuItemCount> menuChecked_{false, false, false, false, true, false, false};
  PerSide<Color> indicator_;
  bool moveListsVisible_ = true;
  PerSide<std::vector<std::string>> moves_;
  std::string labelCaption_;
  bool labelVisible_ = true;
  std::vector<DrawnPolygon> polygons_;
  int refreshCount_ = 0;
  std::vector<std::string> messages_;
};

}  // namespace vorn
