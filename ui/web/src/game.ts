// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game in WebAssembly, as the page sees it: typed calls into the module and what it
// says of itself.

import type { VornModule } from "./vorn.js";

// How a handler of the game ended (RunGuarded): it ran, it failed and a fresh board
// followed, or it failed beyond repair and the session must end.
export enum Outcome {
  Ran = 0,
  Recovered = 1,
  Stopped = 2,
}

export type MenuPlace = "vorn" | "submenu" | "size" | "bar";

export interface MenuItemFacts {
  name: string;
  caption: string; // with "&" before the letter that chooses it
  place: MenuPlace;
  checked: boolean; // as the window is designed, before the game sets it
}

export interface GameFacts {
  version: string;
  creditText: string;
  vornMenuCaption: string;
  twipsPerPixelX: number;
  twipsPerPixelY: number;
  doubleClickMs: number; // the standard interval, as the page cannot read the system's
  indicator: { left: number; top: [number, number]; size: number };
  menuItems: MenuItemFacts[];
}

export interface LevelFacts {
  menuCaption: string;
  hintCaption: string;
  takeBackCaption: string;
  markCaption: string; // "Mark Last Move"
  markColor: number; // the dot's
  levels: { name: string; caption: string }[]; // in menu order
}

// A mark over a cell (the last move's dot, the hint's ring), in pixels of the board's area.
export interface CellCircle {
  cell: number;
  x: number;
  y: number;
  radius: number;
}

// What the stored texts gave at start: the stored Mark Last Move and their faults.
export interface Resumed {
  markLastMove: boolean;
  settingsProblems: string[];
  gameError: string; // empty when the stored game was put back or there was none
}

// A search the game asks the page for: a copy of the position and the engine's budget.
export interface SearchRequest {
  ticket: number;
  purpose: number; // 0 RED's reply, 1 GREEN's hint
  cellsPerRow: number;
  rows: number;
  toMove: number;
  playouts: number;
  owners: number[]; // cell 1 first: -1 empty, 0 GREEN, 1 RED
}

// The engine's cell for `request`, searched in `module` (-1 when the engine refused the
// position): in the search worker, or in the page's own module where the worker failed.
export function SearchPosition(module: VornModule, request: SearchRequest): number {
  module._vorn_worker_position(request.cellsPerRow, request.rows, request.toMove);
  request.owners.forEach((owner, index) => {
    if (owner >= 0) module._vorn_worker_stone(index + 1, owner);
  });
  return module._vorn_worker_search(request.playouts);
}

// A cell's click box in board pixels: [left, top, right, bottom].
export type Box = [number, number, number, number];

export interface BoardFacts {
  size: number; // cells per row
  rows: number;
  boxes: Box[]; // cell n at index n - 1
}

export const enum Button {
  Left = 1,
  Right = 2,
  Middle = 4,
}

// The Shift, Ctrl and Alt keys held at a release; the game makes its mask of them.
export interface HeldKeys {
  shift: boolean;
  ctrl: boolean;
  alt: boolean;
}
export const kNoKeys: HeldKeys = { shift: false, ctrl: false, alt: false };

// What the message box does with a press or release (MessageBoxMouse in the game).
export const enum BoxMouse {
  PassOn = 0,
  Ignore = 1,
  Close = 2,
}

export class Game {
  constructor(private readonly module: VornModule) {}

  start(): Outcome {
    return this.module._vorn_start();
  }

  mouseUp(button: Button, keys: HeldKeys, x: number, y: number): Outcome {
    return this.module._vorn_mouse_up(button, Number(keys.shift), Number(keys.ctrl),
      Number(keys.alt), x, y);
  }

  playCell(button: Button, cell: number): Outcome {
    return this.module._vorn_play_cell(button, cell);
  }

  menu(item: number): Outcome {
    return this.module._vorn_menu(item);
  }

  // The page's script failed outside a call of the game: the game's error boundary gives
  // the same fresh board as after a fault of its own.
  scriptFault(error: unknown): Outcome {
    const what = error instanceof Error ? `${error.name}: ${error.message}` : String(error);
    return this.withText(what, (pointer) => this.module._vorn_script_fault(pointer));
  }

  // The message box's rule for the mouse; times in milliseconds of performance.now().
  messageBoxShown(now: number, doubleClickMs: number): void {
    this.module._vorn_message_box_shown(now, doubleClickMs);
  }

  messageBoxPress(now: number, leftButton: boolean, onText: boolean): BoxMouse {
    return this.module._vorn_message_box_press(now, Number(leftButton), Number(onText));
  }

  messageBoxRelease(leftButton: boolean, onText: boolean): BoxMouse {
    return this.module._vorn_message_box_release(Number(leftButton), Number(onText));
  }

  // Whether the help's "Back" and "Forward" act on the page at `address`.
  reachedThroughAnchor(address: string): boolean {
    return this.withText(address, (pointer) => this.module._vorn_reached_through_anchor(pointer)) !== 0;
  }

  facts(): GameFacts {
    return JSON.parse(this.text(this.module._vorn_facts())) as GameFacts;
  }

  board(): BoardFacts {
    return JSON.parse(this.text(this.module._vorn_board())) as BoardFacts;
  }

  // One character a cell: "." empty, "G" GREEN, "R" RED.
  owners(): string {
    return this.text(this.module._vorn_owners());
  }

  levelFacts(): LevelFacts {
    return JSON.parse(this.text(this.module._vorn_level_facts())) as LevelFacts;
  }

  setLevel(level: number): Outcome {
    return this.module._vorn_set_level(level);
  }

  level(): number {
    return this.module._vorn_level();
  }

  hint(): Outcome {
    return this.module._vorn_hint();
  }

  hintAvailable(): boolean {
    return this.module._vorn_hint_available() !== 0;
  }

  awaitingReply(): boolean {
    return this.module._vorn_awaiting_reply() !== 0;
  }

  takeBack(): Outcome {
    return this.module._vorn_take_back();
  }

  canTakeBack(): boolean {
    return this.module._vorn_can_take_back() !== 0;
  }

  // The dot over the last move's cell; null when there is none to mark.
  markDot(): CellCircle | null {
    return this.circle(this.module._vorn_mark_dot());
  }

  // The ring over the hinted cell; null while no hint holds.
  hintRing(): CellCircle | null {
    return this.circle(this.module._vorn_hint_ring());
  }

  private circle(pointer: number): CellCircle | null {
    const text = this.text(pointer);
    if (text === "") return null;
    const [cell = 0, x = 0, y = 0, radius = 0] = text.split(" ").map(Number);
    return { cell, x, y, radius };
  }

  settingsText(markLastMove: boolean): string {
    return this.text(this.module._vorn_settings_text(Number(markLastMove)));
  }

  savedGame(): string {
    return this.text(this.module._vorn_saved_game());
  }

  // Puts back the stored texts (null: none stored).
  resume(settings: string | null, game: string | null): Outcome {
    return this.withOptionalText(settings, (settingsPointer) =>
      this.withOptionalText(game, (gamePointer) => this.module._vorn_resume(settingsPointer, gamePointer)));
  }

  resumed(): Resumed {
    return JSON.parse(this.text(this.module._vorn_resumed())) as Resumed;
  }

  searchDone(ticket: number, purpose: number, cell: number): Outcome {
    return this.module._vorn_search_done(ticket, purpose, cell);
  }

  placeBeside(window: DOMRect, boxWidth: number, boxHeight: number, screenWidth: number,
              screenHeight: number): { x: number; y: number } {
    const at = this.text(this.module._vorn_place_beside(
        Math.round(window.left), Math.round(window.top), Math.round(window.width),
        Math.round(window.height), Math.ceil(boxWidth), Math.ceil(boxHeight),
        Math.floor(screenWidth), Math.floor(screenHeight)));
    const [x, y] = at.split(" ").map(Number);
    return { x: x ?? 0, y: y ?? 0 };
  }

  private text(pointer: number): string {
    return this.module.UTF8ToString(pointer);
  }

  private withOptionalText<T>(text: string | null, call: (pointer: number) => T): T {
    return text === null ? call(0) : this.withText(text, call);
  }

  // Calls `call` with `text` in the module's memory, as C's text.
  private withText<T>(text: string, call: (pointer: number) => T): T {
    const size = this.module.lengthBytesUTF8(text) + 1;
    const pointer = this.module._malloc(size);
    try {
      this.module.stringToUTF8(text, pointer, size);
      return call(pointer);
    } finally {
      this.module._free(pointer);
    }
  }
}
