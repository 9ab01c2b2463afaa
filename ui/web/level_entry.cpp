// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page's script may call for the computer's levels, the hint, the engine's
// searches and the player's aids: the page's menus choose a level, ask for a hint and take
// back a click, and its Web Worker, running an instance of this module of its own, searches
// a position the page hands it; the page gives the answer back to the game. The page keeps
// the settings and the saved game in the browser's storage as the texts made here, and
// hands them back at its next start. Commands go through the error boundary.
#include <emscripten/emscripten.h>

#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "computer/levels.h"
#include "computer/reply_search.h"
#include "engine/search.h"
#include "game/board_queries.h"
#include "game/window_services.h"
#include "play/error_boundary.h"
#include "play/hint.h"
#include "play/saved_game.h"
#include "play/settings.h"
#include "play/take_back.h"
#include "ui/web/json_text.h"
#include "ui/web/page_outcome.h"

namespace {

using vorn::web::Guarded;
using vorn::web::JsonString;

// The position the worker is handed, cell by cell, before it searches.
vorn::engine::Position workerPosition;

// What the last vorn_resume found: the stored Mark Last Move, and each fault of the stored
// texts, in the words of ParseSettings and RestoreGame.
struct Resumed {
  bool markLastMove = false;
  std::vector<std::string> settingsProblems;
  std::string gameError;
};
Resumed resumed;

// The stored settings applied, then the stored game put back at its own level; a missing
// text (null) stands for a first start, which changes nothing.
void Resume(const char* settingsText, const char* gameText) {
  resumed = {};
  const vorn::Settings settings = settingsText == nullptr
      ? vorn::Settings{}
      : vorn::ParseSettings(settingsText, resumed.settingsProblems);
  resumed.markLastMove = settings.markLastMove;
  vorn::ApplyBoardSettings(settings);
  std::string level = settings.level;  // RestoreGame changes it only when it puts a game back
  if (gameText != nullptr) vorn::RestoreGame(gameText, level, resumed.gameError);
  if (const std::optional<vorn::Level> found = vorn::FindLevel(level)) {
    vorn::SetComputerLevel(*found);
  }
}

std::string LevelFactsJson() {
  std::string json = "{\"menuCaption\":" + JsonString(vorn::kLevelMenuCaption) +
                     ",\"hintCaption\":" + JsonString(vorn::kHintCaption) +
                     ",\"takeBackCaption\":" + JsonString(vorn::kTakeBackCaption) +
                     ",\"markCaption\":" + JsonString(vorn::kMarkLastMoveCaption) +
                     ",\"markColor\":" + std::to_string(vorn::kMarkDotColor) + ",\"levels\":[";
  for (const vorn::Level level : vorn::kLevels) {
    if (level != vorn::kLevels.front()) json += ",";
    json += "{\"name\":" + JsonString(vorn::LevelName(level)) +
            ",\"caption\":" + JsonString(vorn::LevelCaption(level)) + "}";
  }
  return json + "]}";
}

// The circle the game gives for `cell` (0 for none: an empty text), as "CELL X Y RADIUS" in
// pixels of the board's area.
std::string CircleText(vorn::Integer cell, vorn::TwipCircle (*circleOf)(vorn::Integer)) {
  if (cell == 0) return {};
  const vorn::TwipCircle circle = circleOf(cell);
  const vorn::Single twipsX = vorn::GameTwipsPerPixelX();
  const vorn::Single twipsY = vorn::GameTwipsPerPixelY();
  return std::to_string(cell) + " " + std::to_string(circle.x / twipsX) + " " +
         std::to_string(circle.y / twipsY) + " " + std::to_string(circle.radius / twipsX);
}

}  // namespace

extern "C" {

// As JSON: the captions of the "Level" menu, "Hint", "Take Back" and "Mark Last Move", the
// colour of the last move's dot, and the levels in order (name and caption).
EMSCRIPTEN_KEEPALIVE const char* vorn_level_facts() {
  static const std::string facts = LevelFactsJson();
  return facts.c_str();
}

// Chooses the level by its place in the menu; another number is ignored. The outcome as
// the page reads it: 0 ran, 1 recovered from a fault, 2 stopped.
EMSCRIPTEN_KEEPALIVE int vorn_set_level(int level) {
  if (level < 0 || level >= static_cast<int>(vorn::kLevels.size())) return 0;
  return Guarded([level] { vorn::SetComputerLevel(static_cast<vorn::Level>(level)); });
}

EMSCRIPTEN_KEEPALIVE int vorn_level() { return static_cast<int>(vorn::ComputerLevel()); }

// "Hint", and what the page shows of it: whether it can be chosen, and the cell hinted for
// the position on the board (0 for none).
EMSCRIPTEN_KEEPALIVE int vorn_hint() { return Guarded(vorn::Hintx_Click); }
EMSCRIPTEN_KEEPALIVE int vorn_hint_available() { return vorn::HintAvailable() ? 1 : 0; }

// "Take Back", and whether it can be chosen now (not while RED's reply is searched for).
EMSCRIPTEN_KEEPALIVE int vorn_take_back() {
  return Guarded([] { vorn::TakeBack(); });
}
EMSCRIPTEN_KEEPALIVE int vorn_can_take_back() { return vorn::CanTakeBack() ? 1 : 0; }

// The dot that marks the last move; empty when no stone is to be marked.
EMSCRIPTEN_KEEPALIVE const char* vorn_mark_dot() {
  static std::string dot;
  dot = CircleText(vorn::LastMarkedCell(), vorn::MarkDotOf);
  return dot.c_str();
}

// The ring that marks the hinted cell; empty while no hint holds.
EMSCRIPTEN_KEEPALIVE const char* vorn_hint_ring() {
  static std::string ring;
  ring = CircleText(vorn::HintedCell(), vorn::HintRingOf);
  return ring.c_str();
}

// The texts the page stores: the settings that stand, with the page's Mark Last Move
// (0 or 1), and the game that stands.
EMSCRIPTEN_KEEPALIVE const char* vorn_settings_text(int markLastMove) {
  static std::string text;
  vorn::Settings settings;
  settings.level = vorn::LevelName(vorn::ComputerLevel());
  vorn::TakeBoardSettings(settings);
  settings.markLastMove = markLastMove != 0;
  text = vorn::FormatSettings(settings);
  return text.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* vorn_saved_game() {
  static std::string text;
  text = vorn::SaveGame(vorn::LevelName(vorn::ComputerLevel()));
  return text.c_str();
}

// At start, after vorn_start: the stored settings and game (either null when the page has
// none) put back; what was found is read with vorn_resumed. A stored text with a fault
// leaves that setting at its default, or the fresh game of start-up.
EMSCRIPTEN_KEEPALIVE int vorn_resume(const char* settings, const char* game) {
  return Guarded([=] { Resume(settings, game); });
}

// As JSON: {"markLastMove": bool, "settingsProblems": [text...], "gameError": text}.
EMSCRIPTEN_KEEPALIVE const char* vorn_resumed() {
  static std::string json;
  json = std::string("{\"markLastMove\":") + (resumed.markLastMove ? "true" : "false") +
         ",\"settingsProblems\":[";
  for (std::size_t k = 0; k < resumed.settingsProblems.size(); ++k) {
    json += (k == 0 ? "" : ",") + JsonString(resumed.settingsProblems[k]);
  }
  json += "],\"gameError\":" + JsonString(resumed.gameError) + "}";
  return json.c_str();
}

// Whether RED's reply is being searched for: the board then takes no input.
EMSCRIPTEN_KEEPALIVE int vorn_awaiting_reply() { return vorn::AwaitingReply() ? 1 : 0; }

// The worker's answer to the request of `ticket`, handed to the game in the page's thread.
EMSCRIPTEN_KEEPALIVE int vorn_search_done(unsigned ticket, int purpose, int cell) {
  return Guarded([=] {
    vorn::CompleteSearch(ticket, static_cast<vorn::SearchPurpose>(purpose), cell);
  });
}

// In the worker: a position of `cellsPerRow` x `rows` cells, all empty, with `toMove` to
// move; then each stone; then the search.
EMSCRIPTEN_KEEPALIVE void vorn_worker_position(int cellsPerRow, int rows, int toMove) {
  workerPosition = {};
  workerPosition.cellsPerRow = cellsPerRow;
  workerPosition.rows = rows;
  workerPosition.toMove = toMove;
  if (cellsPerRow > 0 && rows > 0) workerPosition.owner.assign(cellsPerRow * rows, -1);
}

EMSCRIPTEN_KEEPALIVE void vorn_worker_stone(int cell, int owner) {
  if (cell >= 1 && cell <= static_cast<int>(workerPosition.owner.size())) {
    workerPosition.owner[cell - 1] = static_cast<signed char>(owner);
  }
}

// The engine's cell; -1 when the position is malformed (the engine's message is lost, the
// page reports the fault).
EMSCRIPTEN_KEEPALIVE int vorn_worker_search(int playouts) {
  try {
    return vorn::engine::ChooseCell(workerPosition, playouts);
  } catch (const std::exception&) {
    return -1;
  }
}

}  // extern "C"
