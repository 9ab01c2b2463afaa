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
  UTF8ToString(pointer: number): string;
}

export interface VornModuleOptions {
  page: PageWindow;
  locateFile?: (path: string) => string;
}

export default function createVorn(options: VornModuleOptions): Promise<VornModule>;
