// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window-system operations the game relies on, and nothing more: the main window's
// caption, size and persistent drawing surface, its menus, the turn indicator and modal
// message boxes. The game keeps its own state (game/state.h), the drawing state included;
// the window only shows what it is told. The Qt main window implements these operations for
// the program; a headless window implements them for the tests and tools.
#pragma once

#include <array>
#include <string>

#include "game/runtime.h"
#include "game/state.h"

namespace vorn {

struct SearchRequest;

// The items of the main window's menu bar, in menu order, by the names their controls
// carry. The game enables, disables and checks the items up to Decreasex ("Sizex" is the
// "Size" submenu); Helpx, Aboutx and Exitx are the window's own.
enum class MenuItem {
  Restartx,
  Presetx,
  StartPreset,
  Sizex,
  Squarex,
  Increasex,
  Decreasex,
  Helpx,
  Aboutx,
  Exitx,
};
inline constexpr int kMenuItemCount = static_cast<int>(MenuItem::Exitx) + 1;
const char* MenuItemName(MenuItem item);
// The caption an item shows, with "&" before the letter that chooses it from the keyboard
// (Alt and the letter); the words shown are the caption without it. Every front end shows
// these.
const char* MenuItemCaption(MenuItem item);
// The caption of the menu that holds End Current Game, Preset Board and Start Preset Game.
inline constexpr char kVornMenuCaption[] = "&Vorn";
// The captions of the player's aids, which the front ends add after the game's own items:
// Take Back and Hint at the end of the Vorn menu; the Level menu after Size, with the
// levels (LevelCaption) and Mark Last Move.
inline constexpr char kTakeBackCaption[] = "&Take Back";
inline constexpr char kHintCaption[] = "&Hint";
inline constexpr char kLevelMenuCaption[] = "&Level";
inline constexpr char kMarkLastMoveCaption[] = "&Mark Last Move";

// The items whose state the game sets, in menu order.
inline constexpr std::array<MenuItem, 7> kGameMenuItems{
    MenuItem::Restartx, MenuItem::Presetx,   MenuItem::StartPreset, MenuItem::Sizex,
    MenuItem::Squarex,  MenuItem::Increasex, MenuItem::Decreasex};

// Whether an item is a command of the "Size" submenu, which can be chosen only while the
// submenu is enabled too.
bool InSizeMenu(MenuItem item);

// Window layouts and mouse positions are in twips: 1440 to the inch. On a screen of the
// standard 96 pixels to the inch (and in CSS pixels, which are defined so) a pixel is 15.
inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kStandardPixelsPerInch = 96.0;
inline constexpr Single kStandardTwipsPerPixel = kTwipsPerInch / kStandardPixelsPerInch;

// The turn indicator `MoveNow`: two circles at the window's top left, GREEN's above RED's,
// placed and sized in twips.
inline constexpr double kIndicatorLeft = 72;
inline constexpr double kIndicatorTop[2] = {72, 396};
inline constexpr double kIndicatorSize = 252;

// A side the game tells a window about, as an index of the window's own per-side state: 0
// GREEN or 1 RED. Anything else is a fault of the game, thrown as a run-time error.
int CheckedSide(Integer side);

// The colours of the standard 16-colour palette that the game uses, by palette index.
enum PaletteIndex { kBlack = 0, kGreen = 2, kRed = 4, kLightGrey = 7 };
// A colour of the standard 16-colour palette (0..15) as 0xRRGGBB.
Color PaletteColor(int index);

class WindowServices {
 public:
  virtual ~WindowServices() = default;

  // Main window.
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetOuterSize(Single widthTwips, Single heightTwips) = 0;
  virtual void SetEnabled(bool enabled) = 0;  // disabled: no mouse or menu input

  // The persistent drawing surface. Outlines use a black pen of the width set.
  virtual void SetBackColor(Color color) = 0;
  virtual void SetDrawWidth(Integer pixels) = 0;
  // Outlines points 0..5 with the pen and fills them with the fill given.
  virtual void Polygon(const Outline& points, Color fillColor, Integer fillStyle) = 0;
  virtual void Cls() = 0;      // erase all drawing to the background colour
  virtual void Refresh() = 0;  // make all drawing visible now

  // Screen: twips per pixel, constant for the run.
  virtual Single TwipsPerPixelX() const = 0;
  virtual Single TwipsPerPixelY() const = 0;

  // Menus.
  virtual void SetMenuEnabled(MenuItem item, bool enabled) = 0;
  virtual void SetMenuChecked(MenuItem item, bool checked) = 0;

  // The turn indicator `MoveNow`, one shape per side.
  virtual void SetIndicatorColor(Integer side, Color color) = 0;

  // A modal message box with an OK button only and the title "VORN".
  virtual void MessageBox(const std::string& prompt) = 0;

  // The engine's searches (computer/reply_search.h). A window that can search off its own
  // thread starts the search on a copy of the request and returns true; when it is done it
  // hands the cell to `CompleteSearch` in the game's thread, and until then it shows RED to
  // move and takes no board input. A window that returns false leaves the search to the
  // game, which then runs it at once.
  virtual bool StartSearch(const SearchRequest& /*request*/) { return false; }
  // A hint was found: the window marks `cell` (HintedCell) until the position changes.
  virtual void ShowHint(Integer /*cell*/) {}
};

// The window the game is played in. Attach one before start-up.
void AttachWindow(WindowServices* window);
WindowServices& Window();

}  // namespace vorn
