// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page's script may call for the computer's levels, the hint and the engine's
// searches: the page's menus choose a level and ask for a hint, and its Web Worker, running
// an instance of this module of its own, searches a position the page hands it; the page
// gives the answer back to the game. Commands go through the error boundary.
#include <emscripten/emscripten.h>

#include <exception>
#include <string>

#include "computer/levels.h"
#include "computer/reply_search.h"
#include "engine/search.h"
#include "play/error_boundary.h"
#include "play/hint.h"

namespace {

// The position the worker is handed, cell by cell, before it searches.
vorn::engine::Position workerPosition;

std::string LevelFactsJson() {
  std::string json = "{\"menuCaption\":\"&Level\",\"hintCaption\":\"&Hint\",\"levels\":[";
  for (const vorn::Level level : vorn::kLevels) {
    if (level != vorn::kLevels.front()) json += ",";
    json += std::string("{\"name\":\"") + vorn::LevelName(level) + "\",\"caption\":\"" +
            vorn::LevelCaption(level) + "\"}";
  }
  return json + "]}";
}

}  // namespace

extern "C" {

// The "Level" menu's caption, its levels in order (name and caption) and the hint's caption,
// as JSON.
EMSCRIPTEN_KEEPALIVE const char* vorn_level_facts() {
  static const std::string facts = LevelFactsJson();
  return facts.c_str();
}

// Chooses the level by its place in the menu; another number is ignored. The outcome as
// the page reads it: 0 ran, 1 recovered from a fault, 2 stopped.
EMSCRIPTEN_KEEPALIVE int vorn_set_level(int level) {
  if (level < 0 || level >= static_cast<int>(vorn::kLevels.size())) return 0;
  return static_cast<int>(
      vorn::RunGuarded([level] { vorn::SetComputerLevel(static_cast<vorn::Level>(level)); }));
}

EMSCRIPTEN_KEEPALIVE int vorn_level() { return static_cast<int>(vorn::ComputerLevel()); }

// "Hint", and what the page shows of it: whether it can be chosen, and the cell hinted for
// the position on the board (0 for none).
EMSCRIPTEN_KEEPALIVE int vorn_hint() { return static_cast<int>(vorn::RunGuarded(vorn::Hintx_Click)); }
EMSCRIPTEN_KEEPALIVE int vorn_hint_available() { return vorn::HintAvailable() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int vorn_hinted_cell() { return vorn::HintedCell(); }

// Whether RED's reply is being searched for: the board then takes no input.
EMSCRIPTEN_KEEPALIVE int vorn_awaiting_reply() { return vorn::AwaitingReply() ? 1 : 0; }

// The worker's answer to the request of `ticket`, handed to the game in the page's thread.
EMSCRIPTEN_KEEPALIVE int vorn_search_done(unsigned ticket, int purpose, int cell) {
  return static_cast<int>(vorn::RunGuarded([=] {
    vorn::CompleteSearch(ticket, static_cast<vorn::SearchPurpose>(purpose), cell);
  }));
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
