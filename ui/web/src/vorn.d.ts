// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game built to WebAssembly (vorn.js and vorn.wasm, from page_entry.cpp and
// page_window.cpp): what the page hands it and what it exports.

import type { PageWindow } from "./page_window.js";

export interface VornModule {
  _vorn_start(): number;
  _vorn_mouse_up(button: number, shift: number, x: number, y: number): number;
  _vorn_play_cell(button: number, cell: number): number;
  _vorn_menu(item: number): number;
  _vorn_facts(): number;
  _vorn_board(): number;
  _vorn_owners(): number;
  _vorn_place_beside(
    windowLeft: number, windowTop: number, windowWidth: number, windowHeight: number,
    boxWidth: number, boxHeight: number, screenWidth: number, screenHeight: number): number;
  // The levels, the hint and the engine's searches (level_entry.cpp).
  _vorn_level_facts(): number;
  _vorn_set_level(level: number): number;
  _vorn_level(): number;
  _vorn_hint(): number;
  _vorn_hint_available(): number;
  _vorn_hinted_cell(): number;
  _vorn_awaiting_reply(): number;
  _vorn_search_done(ticket: number, purpose: number, cell: number): number;
  // In the search worker's own instance.
  _vorn_worker_position(cellsPerRow: number, rows: number, toMove: number): void;
  _vorn_worker_stone(cell: number, owner: number): void;
  _vorn_worker_search(playouts: number): number;
  UTF8ToString(pointer: number): string;
}

export interface VornModuleOptions {
  page?: PageWindow; // none in the search worker, which shows nothing
  locateFile?: (path: string) => string;
}

export default function createVorn(options: VornModuleOptions): Promise<VornModule>;
