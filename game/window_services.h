// The window-system operations the game relies on, and nothing more: the main window's
// caption, size and persistent drawing surface, its menus, the turn indicator, the hidden
// move lists and label, and modal message boxes. The Qt main window implements them for the
// program; a headless window implements them for the tests and tools.
#pragma once

#include <string>

#include "game/runtime.h"
#include "game/state.h"

namespace vorn {

// The menu items the game enables, disables or checks.
enum class MenuItem { Restartx, Presetx, StartPreset, Sizex, Squarex, Increasex, Decreasex };
inline constexpr int kMenuItemCount = 7;
const char* MenuItemName(MenuItem item);

// Fill styles of the drawing surface.
inline constexpr Integer kFillSolid = 0;
inline constexpr Integer kFillDiagonalCross = 7;

// A colour of the standard 16-colour palette: 0 black, 2 green, 4 red, 7 light grey, ...
Color QBColor(int index);

class WindowServices {
 public:
  virtual ~WindowServices() = default;

  // Main window.
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetOuterSize(Single widthTwips, Single heightTwips) = 0;
  virtual void SetBackColor(Color color) = 0;
  virtual Color BackColor() const = 0;
  virtual void SetFillColor(Color color) = 0;
  virtual void SetFillStyle(Integer style) = 0;
  virtual void SetDrawWidth(Integer pixels) = 0;
  // Outlines the first `count` points with the pen (black) and fills them with the fill.
  virtual void Polygon(const Outline& points, int count) = 0;
  virtual void Cls() = 0;      // erase all drawing to the background colour
  virtual void Refresh() = 0;  // make all drawing visible now
  virtual void SetEnabled(bool enabled) = 0;

  // Screen: twips per pixel, constant for the run.
  virtual Single TwipsPerPixelX() const = 0;
  virtual Single TwipsPerPixelY() const = 0;

  // Menus.
  virtual void SetMenuEnabled(MenuItem item, bool enabled) = 0;
  virtual void SetMenuChecked(MenuItem item, bool checked) = 0;

  // The turn indicator `MoveNow`, one shape per side.
  virtual void SetIndicatorColor(Integer side, Color color) = 0;

  // The hidden move lists `PlayerMoves`, one per side; item 0 is the oldest.
  virtual void HideMoveLists() = 0;
  virtual void AppendMove(Integer side, const std::string& item) = 0;
  virtual int MoveCount(Integer side) const = 0;
  virtual std::string MoveText(Integer side, int index) const = 0;

  // The hidden diagnostic label `Label3`.
  virtual void SetLabelCaption(const std::string& caption) = 0;
  virtual void HideLabel() = 0;

  // A modal message box with an OK button only and the title "VORN".
  virtual void MessageBox(const std::string& prompt) = 0;
};

// The window the game is played in. Attach one before start-up.
void AttachWindow(WindowServices* window);
WindowServices& Window();

// Optional observer of the game's own events, for tools that trace a game.
class GameObserver {
 public:
  virtual ~GameObserver() = default;
  virtual void BoardBuilt() {}
  virtual void StonePlaced(Integer /*side*/, Integer /*cell*/) {}
};
void AttachObserver(GameObserver* observer);  // nullptr detaches
GameObserver& Observer();

}  // namespace vorn
