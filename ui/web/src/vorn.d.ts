// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game built to WebAssembly (vorn.js and vorn.wasm, from page_entry.cpp and
// page_window.cpp): what it exports and what it calls on the page. These declarations are
// the one list of the boundary: the build exports exactly the functions of VornExports and
// the runtime methods of VornRuntime, and fails when the names of VornExports differ from
// the EMSCRIPTEN_KEEPALIVE functions of page_entry.cpp and level_entry.cpp, or the names of
// PageCallbacks from the `Module.page` calls of page_window.cpp (ui/web/page_boundary.cmake).

import type { SearchRequest } from "./game.js";

// The functions of page_entry.cpp and level_entry.cpp, and the C library's memory for the
// text handed to them.
export interface VornExports {
  _vorn_start(): number;
  _vorn_mouse_up(
    button: number, shift: number, ctrl: number, alt: number, x: number, y: number): number;
  _vorn_play_cell(button: number, cell: number): number;
  _vorn_script_fault(what: number): number;
  _vorn_menu(item: number): number;
  _vorn_facts(): number;
  _vorn_board(): number;
  _vorn_owners(): number;
  _vorn_place_beside(
    windowLeft: number, windowTop: number, windowWidth: number, windowHeight: number,
    boxWidth: number, boxHeight: number, screenWidth: number, screenHeight: number): number;
  _vorn_message_box_shown(now: number, doubleClickMs: number): void;
  _vorn_message_box_press(now: number, leftButton: number, onText: number): number;
  _vorn_message_box_release(leftButton: number, onText: number): number;
  _vorn_reached_through_anchor(address: number): number;
  // The levels, the hint and the engine's searches (level_entry.cpp).
  _vorn_level_facts(): number;
  _vorn_set_level(level: number): number;
  _vorn_level(): number;
  _vorn_hint(): number;
  _vorn_hint_available(): number;
  _vorn_awaiting_reply(): number;
  // The player's aids: Take Back, the last move's mark, the stored settings and game.
  _vorn_take_back(): number;
  _vorn_can_take_back(): number;
  _vorn_mark_dot(): number;
  _vorn_hint_ring(): number;
  _vorn_settings_text(markLastMove: number): number;
  _vorn_saved_game(): number;
  _vorn_resume(settings: number, game: number): number;
  _vorn_resumed(): number;
  _vorn_search_done(ticket: number, purpose: number, cell: number): number;
  // In the search worker's own instance.
  _vorn_worker_position(cellsPerRow: number, rows: number, toMove: number): void;
  _vorn_worker_stone(cell: number, owner: number): void;
  _vorn_worker_search(playouts: number): number;
  _malloc(size: number): number;
  _free(pointer: number): void;
}

// Emscripten's own helpers for text in the module's memory.
export interface VornRuntime {
  UTF8ToString(pointer: number): string;
  stringToUTF8(text: string, pointer: number, size: number): void;
  lengthBytesUTF8(text: string): number;
}

export type VornModule = VornExports & VornRuntime;

// What the game calls on the page: the window services of page_window.cpp, each as
// `Module.page.<name>`.
export interface PageCallbacks {
  setCaption(caption: string): void;
  setOuterSize(width: number, height: number): void;
  setEnabled(enabled: boolean): void;
  setBackColor(color: number): void;
  setDrawWidth(pixels: number): void;
  polygon(points: number[], fill: number, style: number): void;
  cls(): void;
  refresh(): void;
  setMenuEnabled(item: number, enabled: boolean): void;
  setMenuChecked(item: number, checked: boolean): void;
  setIndicatorColor(side: number, color: number): void;
  messageBox(prompt: string): void;
  // A search for the page's worker; false when the page cannot search in a worker.
  startSearch(request: SearchRequest): boolean;
  showHint(cell: number): void;
}

export interface VornModuleOptions {
  page?: PageCallbacks; // none in the search worker, which shows nothing
  locateFile?: (path: string) => string;
}

export default function createVorn(options: VornModuleOptions): Promise<VornModule>;
