// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page's script may call: start-up, a mouse release, a cell played from the
// keyboard and the game's menu commands, each through the error boundary, and a fault of the
// script itself, which ends in the same fresh board; what the page shows but does not own
// (menu captions, version, credit text, each cell's click box and owner); and the rules
// every front end keeps (ui/shared/front_end_rules.h), so that each is written down once, in
// C++. Every name here is declared for the script in src/vorn.d.ts; the build checks that
// the two agree and exports what the declarations name.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "app/version.h"
#include "display/window_placement.h"
#include "game/board_queries.h"
#include "game/start_up.h"
#include "play/error_boundary.h"
#include "play/game_commands.h"
#include "play/mouse_input.h"
#include "ui/shared/front_end_rules.h"
#include "ui/web/json_text.h"
#include "ui/web/page_outcome.h"
#include "ui/web/page_window.h"

namespace {

using vorn::web::Guarded;
using vorn::web::JsonString;

vorn::web::PageWindow pageWindow;
// The message box that stands, at most one: it is modal.
vorn::MessageBoxMouse messageBoxMouse;

// Where an item stands: in the "Vorn" menu, the "Size" submenu itself, in it, or on the
// menu bar as a command of its own.
const char* MenuPlace(vorn::MenuItem item) {
  using vorn::MenuItem;
  if (item == MenuItem::Sizex) return "submenu";
  if (vorn::InSizeMenu(item)) return "size";
  if (static_cast<int>(item) < static_cast<int>(MenuItem::Sizex)) return "vorn";
  return "bar";
}

std::string FactsJson() {
  std::string json = "{\"version\":" + JsonString(vorn::kVersion) +
                     ",\"creditText\":" + JsonString(vorn::kCreditText) +
                     ",\"vornMenuCaption\":" + JsonString(vorn::kVornMenuCaption) +
                     ",\"twipsPerPixelX\":" + std::to_string(pageWindow.TwipsPerPixelX()) +
                     ",\"twipsPerPixelY\":" + std::to_string(pageWindow.TwipsPerPixelY()) +
                     ",\"doubleClickMs\":" + std::to_string(vorn::kStandardDoubleClickMs) +
                     ",\"indicator\":{\"left\":" + std::to_string(vorn::kIndicatorLeft) +
                     ",\"top\":[" + std::to_string(vorn::kIndicatorTop[0]) + "," +
                     std::to_string(vorn::kIndicatorTop[1]) +
                     "],\"size\":" + std::to_string(vorn::kIndicatorSize) +
                     "},\"menuItems\":[";
  for (int i = 0; i < vorn::kMenuItemCount; ++i) {
    const auto item = static_cast<vorn::MenuItem>(i);
    // As the window is designed: "Square" checked, for the square board of start-up.
    const bool checked = item == vorn::MenuItem::Squarex;
    if (i > 0) json += ",";
    json += "{\"name\":" + JsonString(vorn::MenuItemName(item)) +
            ",\"caption\":" + JsonString(vorn::MenuItemCaption(item)) + ",\"place\":\"" +
            MenuPlace(item) + "\",\"checked\":" + (checked ? "true" : "false") + "}";
  }
  return json + "]}";
}

}  // namespace

extern "C" {

// Attaches the page and runs the main window's start-up: the first board is drawn.
EMSCRIPTEN_KEEPALIVE int vorn_start() {
  vorn::AttachWindow(&pageWindow);
  return Guarded(vorn::Form_Load);
}

// A button release at (x, y) pixels of the board's area, with the Shift, Ctrl and Alt keys
// held (each 0 or 1), turned into twips with the scale the game read at start-up.
EMSCRIPTEN_KEEPALIVE int vorn_mouse_up(int button, int shift, int ctrl, int alt, double x,
                                       double y) {
  const vorn::Integer mask =
      vorn::ModifierMask({.shift = shift != 0, .ctrl = ctrl != 0, .alt = alt != 0});
  return Guarded([=] {
    vorn::Form_MouseUp(vorn::ToInteger(button), mask,
                       static_cast<vorn::Single>(x) * vorn::GameTwipsPerPixelX(),
                       static_cast<vorn::Single>(y) * vorn::GameTwipsPerPixelY());
  });
}

// A release of `button` in the middle of a cell's click box, as the keyboard plays a cell.
// A cell that is not on the board is ignored.
EMSCRIPTEN_KEEPALIVE int vorn_play_cell(int button, int cell) {
  if (cell < 1 || cell > vorn::CellsOnBoard()) return 0;
  return Guarded([=] {
    const vorn::TwipPoint middle = vorn::ClickBoxMiddle(vorn::ToInteger(cell));
    vorn::Form_MouseUp(vorn::ToInteger(button), 0, middle.x, middle.y);
  });
}

// The page's script failed on its own, outside a call of the game (`what` says how): the
// same recovery as a fault of the game, a fresh board of the size that stands.
EMSCRIPTEN_KEEPALIVE int vorn_script_fault(const char* what) {
  const std::string error = std::string("the page's script failed: ") + what;
  return Guarded([&] { throw vorn::RunTimeError(error); });
}

// A game command of the "Vorn" menu or the "Size" submenu, by its MenuItem number; the page
// offers it only while it is enabled. Any other number is ignored.
EMSCRIPTEN_KEEPALIVE int vorn_menu(int item) {
  if (item < 0 || item >= vorn::kMenuItemCount) return 0;
  const vorn::MenuCommand command = vorn::GameMenuCommand(static_cast<vorn::MenuItem>(item));
  return command != nullptr ? Guarded(command) : 0;
}

// The version, credit text, the screen's twips per pixel, the standard double-click interval,
// the turn indicator's place and the menu items in menu order, as JSON; known before
// start-up.
EMSCRIPTEN_KEEPALIVE const char* vorn_facts() {
  static std::string facts;
  facts = FactsJson();
  return facts.c_str();
}

// The board as JSON: cells per row, rows, and for each cell its click box in pixels
// [left, top, right, bottom].
EMSCRIPTEN_KEEPALIVE const char* vorn_board() {
  static std::string board;
  board = "{\"size\":" + std::to_string(vorn::CellsPerRow()) +
          ",\"rows\":" + std::to_string(vorn::RowsOfBoard()) +
          ",\"boxes\":[";
  const vorn::Single twipsX = vorn::GameTwipsPerPixelX();
  const vorn::Single twipsY = vorn::GameTwipsPerPixelY();
  for (vorn::Integer cell = 1; cell <= vorn::CellsOnBoard(); ++cell) {
    const vorn::TwipBox box = vorn::ClickBox(cell);
    if (cell > 1) board += ",";
    board += "[" + std::to_string(box.left / twipsX) + "," + std::to_string(box.top / twipsY) +
             "," + std::to_string(box.right / twipsX) + "," +
             std::to_string(box.bottom / twipsY) + "]";
  }
  return (board += "]}").c_str();
}

// Each cell's owner, one character a cell: '.' empty, 'G' GREEN, 'R' RED.
EMSCRIPTEN_KEEPALIVE const char* vorn_owners() {
  static std::string owners;
  owners.clear();
  for (vorn::Integer cell = 1; cell <= vorn::CellsOnBoard(); ++cell) {
    const vorn::Integer owner = vorn::OwnerOfCell(cell);
    owners += owner == 0 ? 'G' : owner == 1 ? 'R' : '.';
  }
  return owners.c_str();
}

// Where a message box of `boxWidth` x `boxHeight` goes beside the board's area `window`
// on the page's viewport `screen`, as "x y" in CSS pixels: beside it as on the desktop.
EMSCRIPTEN_KEEPALIVE const char* vorn_place_beside(int windowLeft, int windowTop, int windowWidth,
                                                   int windowHeight, int boxWidth, int boxHeight,
                                                   int screenWidth, int screenHeight) {
  static std::string at;
  const vorn::ScreenPoint point =
      vorn::PlaceBeside({windowLeft, windowTop, windowWidth, windowHeight}, boxWidth, boxHeight,
                        {0, 0, screenWidth, screenHeight}, vorn::kGapToTheWindow);
  at = std::to_string(point.x) + " " + std::to_string(point.y);
  return at.c_str();
}

// The message box and the mouse (MessageBoxMouse): the box was shown at `now`, with a
// double-click interval of `doubleClickMs` (the page cannot read the system's and takes the
// standard one of the facts); a button was pressed or released at `now`, on the box's text
// or not; times in milliseconds. A press or release answers 0 pass it on, 1 ignore it, 2
// close the box.
EMSCRIPTEN_KEEPALIVE void vorn_message_box_shown(double now, double doubleClickMs) {
  messageBoxMouse.Shown(static_cast<std::int64_t>(now), static_cast<std::int64_t>(doubleClickMs));
}

EMSCRIPTEN_KEEPALIVE int vorn_message_box_press(double now, int leftButton, int onText) {
  return static_cast<int>(
      messageBoxMouse.Press(static_cast<std::int64_t>(now), leftButton != 0, onText != 0));
}

EMSCRIPTEN_KEEPALIVE int vorn_message_box_release(int leftButton, int onText) {
  return static_cast<int>(messageBoxMouse.Release(leftButton != 0, onText != 0));
}

// Whether the help's "Back" and "Forward" act on the page at `address`: 1 yes, 0 no.
EMSCRIPTEN_KEEPALIVE int vorn_reached_through_anchor(const char* address) {
  return vorn::ReachedThroughAnchor(std::string_view(address)) ? 1 : 0;
}

}  // extern "C"
