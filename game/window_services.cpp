// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The attached window, the menu items' names and the palette.
#include "game/window_services.h"

namespace vorn {

namespace {

WindowServices* attachedWindow = nullptr;

}  // namespace

const char* MenuItemName(MenuItem item) {
  switch (item) {
    case MenuItem::Restartx: return "Restartx";
    case MenuItem::Presetx: return "Presetx";
    case MenuItem::StartPreset: return "StartPreset";
    case MenuItem::Sizex: return "Sizex";
    case MenuItem::Squarex: return "Squarex";
    case MenuItem::Increasex: return "Increasex";
    case MenuItem::Decreasex: return "Decreasex";
    case MenuItem::Helpx: return "Helpx";
    case MenuItem::Aboutx: return "Aboutx";
    case MenuItem::Exitx: return "Exitx";
  }
  return "";
}

const char* MenuItemCaption(MenuItem item) {
  switch (item) {
    case MenuItem::Restartx: return "&End Current Game";
    case MenuItem::Presetx: return "&Preset Board";
    case MenuItem::StartPreset: return "&Start Preset Game";
    case MenuItem::Sizex: return "&Size";
    case MenuItem::Squarex: return "S&quare";
    case MenuItem::Increasex: return "&Increase";
    case MenuItem::Decreasex: return "&Decrease";
    case MenuItem::Helpx: return "&Help";
    case MenuItem::Aboutx: return "&About";
    case MenuItem::Exitx: return "E&xit";
  }
  return "";
}

bool InSizeMenu(MenuItem item) {
  return item == MenuItem::Squarex || item == MenuItem::Increasex || item == MenuItem::Decreasex;
}

int CheckedSide(Integer side) {
  if (side != 0 && side != 1) throw RunTimeError("no side " + std::to_string(side));
  return side;
}

Color PaletteColor(int index) {
  static constexpr Color kPalette[16] = {
      0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
      0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  if (index < 0 || index > 15) throw RunTimeError("invalid palette index " + std::to_string(index));
  return kPalette[index];
}

void AttachWindow(WindowServices* window) { attachedWindow = window; }

WindowServices& Window() {
  if (attachedWindow == nullptr) throw RunTimeError("no window is attached to the game");
  return *attachedWindow;
}

}  // namespace vorn
