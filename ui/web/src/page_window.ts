// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's half of the game's window services: the calls the game makes (see
// page_window.cpp) applied to the board's area, the menus, the title and the message box.
//
// A message box cannot stop the game in a page: the call returns at once and the game goes
// on. So from the moment a box is shown, everything the game does after it is held back and
// applied only once the box is closed, one box after another when there are several. The
// player sees the same as on the desktop: the hatched winning chain while the message
// stands, the fresh board after it.

import type { BoardView } from "./board_view.js";
import type { SearchRequest } from "./game.js";
import type { MenuBar } from "./menu_bar.js";
import type { MessageBox } from "./message_box.js";
import type { PageCallbacks } from "./vorn.js";

export interface WindowParts {
  board: BoardView;
  menus: MenuBar;
  messages: MessageBox;
  // Every message as it is shown, and the end of each event once all it drew is shown.
  announce(message: string): void;
  settled(): void;
  // What was held back failed as it was applied, outside any call of the game.
  fault(error: unknown): void;
  // Sends a search to the worker; false when the page cannot, and the game searches at once.
  search(request: SearchRequest): boolean;
  // A hint was found: the page marks the cell and says so.
  hint(cell: number): void;
}

// An exception thrown here during a call of the game comes back to the game as its own
// run-time error (page_window.cpp), so the game's error boundary handles it.
export class PageWindow implements PageCallbacks {
  private parts: WindowParts | null = null;
  private readonly held: Array<() => void> = [];
  private next = 0;
  private showing = false;
  private enabled = true;

  // The session's parts; none once it has ended, and the window then does nothing.
  attach(parts: WindowParts | null): void {
    this.parts = parts;
    this.held.length = 0;
    this.next = 0;
    this.showing = false;
  }

  // Whether the window takes mouse, keyboard and menu input now.
  accepting(): boolean {
    return this.enabled && !this.showing && this.parts !== null;
  }

  // Called after each event of the game: once nothing is held back, the page is settled.
  eventDone(): void {
    if (!this.showing) this.parts?.settled();
  }

  setCaption(caption: string): void {
    this.apply(() => { document.title = caption; });
  }

  setOuterSize(width: number, height: number): void {
    this.apply((parts) => parts.board.setSize(width, height));
  }

  setEnabled(enabled: boolean): void {
    this.apply(() => { this.enabled = enabled; });
  }

  setBackColor(color: number): void {
    this.apply((parts) => parts.board.setBackColor(color));
  }

  setDrawWidth(pixels: number): void {
    this.apply((parts) => parts.board.setDrawWidth(pixels));
  }

  polygon(points: number[], fill: number, style: number): void {
    this.apply((parts) => parts.board.polygon(points, fill, style));
  }

  cls(): void {
    this.apply((parts) => parts.board.cls());
  }

  // What is drawn on the canvas shows with the browser's next frame.
  refresh(): void {}

  setMenuEnabled(item: number, enabled: boolean): void {
    this.apply((parts) => parts.menus.setEnabled(item, enabled));
  }

  setMenuChecked(item: number, checked: boolean): void {
    this.apply((parts) => parts.menus.setChecked(item, checked));
  }

  setIndicatorColor(side: number, color: number): void {
    this.apply((parts) => parts.board.setIndicator(side, color));
  }

  // While the worker searches for RED's reply the menus answer again; the board refuses
  // input as long as the game awaits the reply (Session).
  startSearch(request: SearchRequest): boolean {
    const parts = this.parts;
    if (parts === null || !parts.search(request)) return false;
    if (request.purpose === 0) this.apply(() => { this.enabled = true; });
    return true;
  }

  showHint(cell: number): void {
    this.apply((parts) => parts.hint(cell));
  }

  messageBox(prompt: string): void {
    this.apply((parts) => {
      this.showing = true;
      parts.menus.close();
      parts.announce(prompt);
      parts.messages.show(prompt, () => this.closed());
    });
  }

  private apply(call: (parts: WindowParts) => void): void {
    const parts = this.parts;
    if (parts === null) return;
    if (this.showing) {
      this.held.push(() => call(parts));
    } else {
      call(parts);
    }
  }

  private closed(): void {
    this.showing = false;
    try {
      while (!this.showing && this.next < this.held.length) this.held[this.next++]?.();
    } catch (error) {
      // The rest belongs to a board the recovery replaces.
      this.held.length = 0;
      this.next = 0;
      this.showing = false;
      this.parts?.fault(error);
      return;
    }
    if (this.showing) return;
    this.held.length = 0;
    this.next = 0;
    this.parts?.settled();
  }
}
