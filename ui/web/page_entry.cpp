// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page's script may call: start-up, a mouse release, a cell played from the
// keyboard and the game's menu commands, each through the error boundary; and what the page
// shows but does not own (menu captions, version, credit text, each cell's click box and
// owner), so that it is written down once, here in the game.
#include <emscripten/emscripten.h>

#include <functional>
#include <string>

#include "app/version.h"
#include "display/window_placement.h"
#include "game/new_game.h"
#include "game/start_up.h"
#include "game/state.h"
#include "play/error_boundary.h"
#include "play/game_commands.h"
#include "play/mouse_input.h"
#include "ui/web/page_window.h"

namespace {

vorn::web::PageWindow pageWindow;

// The outcome as the page reads it: 0 ran, 1 recovered from a fault, 2 stopped.
int Guarded(const std::function<void()>& handler) {
  return static_cast<int>(vorn::RunGuarded(handler));
}

std::string JsonString(const std::string& text) {
  std::string json = "\"";
  for (const char c : text) {
    switch (c) {
      case '"': json += "\\\""; break;
      case '\\': json += "\\\\"; break;
      case '\n': json += "\\n"; break;
      case '\r': json += "\\r"; break;
      case '\t': json += "\\t"; break;
      default: json += c;
    }
  }
  return json + "\"";
}

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

// A button release at (x, y) pixels of the board's area, turned into twips with the scale
// the game read at start-up.
EMSCRIPTEN_KEEPALIVE int vorn_mouse_up(int button, int shift, double x, double y) {
  return Guarded([=] {
    vorn::Form_MouseUp(vorn::ToInteger(button), vorn::ToInteger(shift),
                       static_cast<vorn::Single>(x) * vorn::TwipsX,
                       static_cast<vorn::Single>(y) * vorn::TwipsY);
  });
}

// A release of `button` in the middle of a cell's click box, as the keyboard plays a cell.
// A cell that is not on the board is ignored.
EMSCRIPTEN_KEEPALIVE int vorn_play_cell(int button, int cell) {
  if (cell < 1 || cell > vorn::CellCount) return 0;
  return Guarded([=] {
    const vorn::TwipPoint middle = vorn::ClickBoxMiddle(vorn::ToInteger(cell));
    vorn::Form_MouseUp(vorn::ToInteger(button), 0, middle.x, middle.y);
  });
}

// A game command of the "Vorn" menu or the "Size" submenu, by its MenuItem number; the page
// offers it only while it is enabled. Any other number is ignored.
EMSCRIPTEN_KEEPALIVE int vorn_menu(int item) {
  if (item < 0 || item >= vorn::kMenuItemCount) return 0;
  const vorn::MenuCommand command = vorn::GameMenuCommand(static_cast<vorn::MenuItem>(item));
  return command != nullptr ? Guarded(command) : 0;
}

// The version, credit text, the screen's twips per pixel, the turn indicator's place and the
// menu items in menu order, as JSON; known before start-up.
EMSCRIPTEN_KEEPALIVE const char* vorn_facts() {
  static std::string facts;
  facts = FactsJson();
  return facts.c_str();
}

// The board as JSON: cells per row, rows, and for each cell its click box in pixels
// [left, top, right, bottom].
EMSCRIPTEN_KEEPALIVE const char* vorn_board() {
  static std::string board;
  board = "{\"size\":" + std::to_string(vorn::BoardSize) +
          ",\"rows\":" + std::to_string(vorn::RowCount()) +
          ",\"boxes\":[";
  for (vorn::Integer cell = 1; cell <= vorn::CellCount; ++cell) {
    const vorn::TwipBox box = vorn::ClickBox(cell);
    if (cell > 1) board += ",";
    board += "[" + std::to_string(box.left / vorn::TwipsX) + "," +
             std::to_string(box.top / vorn::TwipsY) + "," +
             std::to_string(box.right / vorn::TwipsX) + "," +
             std::to_string(box.bottom / vorn::TwipsY) + "]";
  }
  return (board += "]}").c_str();
}

// Each cell's owner, one character a cell: '.' empty, 'G' GREEN, 'R' RED.
EMSCRIPTEN_KEEPALIVE const char* vorn_owners() {
  static std::string owners;
  owners.clear();
  for (vorn::Integer cell = 1; cell <= vorn::CellCount; ++cell) {
    const vorn::Integer owner = vorn::CellOwner[cell];
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

}  // extern "C"
