// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One session of Vorn on the page, from start-up to "Exit": the game in its module, the
// page's window around it, and every input routed through the game's error boundary. A
// failure of the page's own script in an event ends in the same boundary, so the page
// recovers as the desktop does: a fresh board of the size that stood. After every event the
// settings and the game are kept in the browser's storage, and a new visit goes on with
// them; "Exit" ends the game, so it forgets the game and keeps the settings.

import { AboutWindow, HelpWindow } from "./side_windows.js";
import { BoardView, CssColor } from "./board_view.js";
import { CellGrid } from "./cell_grid.js";
import { Button, Game, Outcome, SearchPosition } from "./game.js";
import type { CellCircle, GameFacts, HeldKeys } from "./game.js";
import { MenuBar } from "./menu_bar.js";
import { MessageBox } from "./message_box.js";
import { PageStore, kGameKey, kSettingsKey } from "./page_store.js";
import type { MouseRule } from "./message_box.js";
import { Searcher } from "./searcher.js";
import type { SearchAnswer } from "./search_worker.js";
import type { PageWindow } from "./page_window.js";
import type { VornModule } from "./vorn.js";

// The elements of index.html that a session uses, by their ids.
const kElementIds = [
  "menubar", "board-frame", "board", "surface", "cells", "live", "message", "message-text",
  "message-ok", "help", "help-frame", "help-back", "help-forward", "help-exit", "about",
  "about-credit", "about-version", "about-ok",
] as const;
export type PageElements = Record<(typeof kElementIds)[number], HTMLElement>;

export function FindPageElements(): PageElements {
  const found: Partial<PageElements> = {};
  for (const id of kElementIds) {
    const element = document.getElementById(id);
    if (element === null) throw new Error(`the page has no element "${id}"`);
    found[id] = element;
  }
  return found as PageElements;
}

// A mark over the board (the hint's ring, the last move's dot), hidden until placed.
function CircleMark(className: string): HTMLElement {
  const mark = document.createElement("div");
  mark.className = className;
  mark.setAttribute("aria-hidden", "true");
  mark.hidden = true;
  return mark;
}

// Shows `element` over the board where the game's circle stands, or hides it for none.
function PlaceOver(element: HTMLElement, circle: CellCircle | null): void {
  element.hidden = circle === null;
  if (circle === null) return;
  const { x, y, radius } = circle;
  Object.assign(element.style, {
    left: `${x - radius}px`, top: `${y - radius}px`, width: `${2 * radius}px`, height: `${2 * radius}px`,
  });
}

export class Session {
  private readonly abort = new AbortController();
  private readonly game: Game;
  private readonly facts: GameFacts;
  private readonly board: BoardView;
  private readonly cells: CellGrid;
  private readonly help: HelpWindow;
  private readonly about: AboutWindow;
  private readonly searcher: Searcher;
  private readonly hintMark: HTMLElement;
  private readonly markDot: HTMLElement;
  private readonly store = new PageStore();
  private levelItems: HTMLButtonElement[] = [];
  private hintItem: HTMLButtonElement | null = null;
  private takeBackItem: HTMLButtonElement | null = null;
  private markItem: HTMLButtonElement | null = null;
  private markLastMove = false;
  private keeping = false; // from the end of start-up on, each event is kept
  private gameKept = false; // whether the game on the board is in the browser's storage
  private stopped = false;
  private cellCount = -1;
  // Whether the page measures each board release to its drawing and to the painted frame
  // (for the benchmarks: "?measure" in the address).
  private readonly measuring = new URLSearchParams(location.search).has("measure");

  constructor(
    private readonly page: PageElements,
    private readonly window: PageWindow,
    private readonly module: VornModule,
    private readonly ended: (reason: string) => void,
  ) {
    const signal = this.abort.signal;
    this.game = new Game(module);
    this.facts = this.game.facts();
    this.board = new BoardView(page["board-frame"], page.board, page.surface as HTMLCanvasElement,
      this.facts, { release: (button, keys, x, y, at) => this.release(button, keys, x, y, at) },
      signal);
    this.cells = new CellGrid(page.cells,
      (button, cell) => this.input(() => this.game.playCell(button, cell)), signal);
    const menus = new MenuBar(page.menubar, this.facts.vornMenuCaption, this.facts.menuItems,
      (item) => this.command(item), () => this.window.accepting(), signal);
    const messages = new MessageBox(page.message as HTMLDialogElement, page["message-text"],
      page["message-ok"] as HTMLButtonElement, {
        place: (width, height) => this.game.placeBeside(page["board-frame"].getBoundingClientRect(),
          width, height, document.documentElement.clientWidth, document.documentElement.clientHeight),
      }, this.messageBoxMouse(), () => this.cells.focus(), signal);
    this.help = new HelpWindow(page.help, page["help-frame"] as HTMLIFrameElement, page["board-frame"],
      page["help-back"] as HTMLButtonElement, page["help-forward"] as HTMLButtonElement,
      page["help-exit"] as HTMLButtonElement, (address) => this.game.reachedThroughAnchor(address),
      () => this.cells.focus(), signal);
    this.about = new AboutWindow(page.about as HTMLDialogElement, page["about-credit"],
      page["about-version"], page["about-ok"] as HTMLButtonElement, this.facts, signal);
    // Where the worker fails, the same search runs in the page's own module.
    this.searcher = new Searcher((answer) => this.answer(answer),
      (request) => SearchPosition(this.module, request));
    this.hintMark = CircleMark("hint-mark");
    this.markDot = CircleMark("mark-dot");
    page.board.append(this.hintMark, this.markDot);
    this.addLevelAndHint(menus, signal);
    // After a menu command (the menu bar's own listeners run first) the focus goes to the
    // board, not to the item of a menu now closed.
    const focusBoardAfterMenu = () => {
      const inClosedMenu = document.activeElement?.closest("#menubar .menu[hidden]") ?? null;
      if (inClosedMenu !== null) this.cells.focus();
    };
    page.menubar.addEventListener("click", focusBoardAfterMenu, { signal });
    // The browser's Back or a reload would end a game under way without a word: it asks.
    globalThis.addEventListener("beforeunload", (event) => {
      // Only a game that a reload would lose: none kept, or a reply still being searched for.
      if (!/[GR]/.test(this.game.owners())) return;
      if (this.gameKept && !this.game.awaitingReply()) return;
      event.preventDefault();
      event.returnValue = ""; // for browsers that ask only when this is set
    }, { signal });
    document.addEventListener("keydown", focusBoardAfterMenu, { signal });
    window.attach({
      board: this.board, menus, messages,
      announce: (message) => this.messageShown(message),
      settled: () => this.settled(),
      fault: (error) => this.scriptFailed(error),
      search: (request) => this.searcher.start(request),
      hint: (cell) => this.showHint(cell),
    });
  }

  // Start-up, then the settings and the game the storage kept, if any (a first visit has
  // none and starts as ever).
  start(): void {
    const settings = this.store.read(kSettingsKey);
    const game = this.store.read(kGameKey);
    this.run(() => this.game.start());
    if (settings !== null || game !== null) this.resume(settings, game);
    this.keeping = true;
    this.keep();
  }

  // A stored text the game refuses is said once, in one message; that setting keeps its
  // default, and a refused game leaves the fresh board of start-up.
  private resume(settings: string | null, game: string | null): void {
    this.run(() => {
      const outcome = this.game.resume(settings, game);
      const found = this.game.resumed();
      this.setMarkLastMove(found.markLastMove);
      const faults: string[] = [];
      if (found.settingsProblems.length > 0) {
        faults.push("Some of the settings Vorn kept could not be used; they are back to their " +
          `defaults:\n${found.settingsProblems.join("\n")}`);
      }
      if (found.gameError !== "") {
        faults.push(`The game Vorn kept is damaged and cannot go on; a new game starts.\n(${found.gameError})`);
      }
      if (faults.length > 0) this.window.messageBox(faults.join("\n\n"));
      return outcome;
    });
  }

  // The settings and the game as they stand, kept for the next visit. A game waiting for
  // RED's reply is kept once the reply is in: until then the game before the click stands.
  private keep(): void {
    if (!this.keeping || this.stopped) return;
    this.store.write(kSettingsKey, this.game.settingsText(this.markLastMove));
    if (!this.game.awaitingReply()) this.gameKept = this.store.write(kGameKey, this.game.savedGame());
  }

  private release(button: Button, keys: HeldKeys, x: number, y: number, at: number): void {
    if (!this.boardAccepting()) return;
    const begun = performance.now();
    this.run(() => this.game.mouseUp(button, keys, x, y));
    if (!this.measuring) return;
    const drawn = performance.now();
    performance.measure("vorn-click-handled", { start: begun, end: drawn });
    performance.measure("vorn-click-drawn", { start: at, end: drawn });
    this.measureToPaint(at);
  }

  private input(call: () => Outcome): void {
    if (this.boardAccepting()) this.run(call);
  }

  // The board takes no input while RED's reply is searched for; the menus do.
  private boardAccepting(): boolean {
    return this.window.accepting() && !this.game.awaitingReply();
  }

  // The "Level" menu after "Size", with "Mark Last Move" at its end after a line; "Take
  // Back" and "Hint" at the end of the "Vorn" menu, chosen by Ctrl+Z and by the key H too
  // when no menu is open.
  private addLevelAndHint(menus: MenuBar, signal: AbortSignal): void {
    const facts = this.game.levelFacts();
    this.levelItems = menus.addRadioMenu(this.sizeMenuName(), facts.menuCaption, "Levelx",
      facts.levels.map((level) => ({ caption: level.caption, name: `Level${level.name}` })),
      (level) => this.run(() => this.game.setLevel(level)), signal);
    this.levelMenuFollows();
    menus.addSeparator("Levelx");
    this.markItem = menus.addCommand("Levelx", facts.markCaption, "MarkLastMovex",
      () => this.run(() => { this.setMarkLastMove(!this.markLastMove); return Outcome.Ran; }), signal);
    this.markItem?.setAttribute("role", "menuitemcheckbox");
    this.setMarkLastMove(false);
    this.markDot.style.backgroundColor = CssColor(facts.markColor);
    this.takeBackItem = menus.addCommand("Vornx", facts.takeBackCaption, "TakeBackx",
      () => this.takeBack(), signal);
    this.hintItem = menus.addCommand("Vornx", facts.hintCaption, "Hintx", () => this.askHint(), signal);
    document.addEventListener("keydown", (event) => {
      const hint = (event.key === "h" || event.key === "H") && !event.ctrlKey;
      const takeBack = (event.key === "z" || event.key === "Z") && event.ctrlKey && !event.shiftKey;
      if (!hint && !takeBack) return;
      if (event.altKey || event.metaKey) return;
      // Not a key meant for About, a message or the help panel.
      if (event.target instanceof Element && event.target.closest("dialog, #help") !== null) return;
      if (this.page.menubar.querySelector(".menu:not([hidden])") !== null) return;
      const item = hint ? this.hintItem : this.takeBackItem;
      if (!this.window.accepting() || item?.disabled !== false) return;
      event.preventDefault();
      if (hint) this.askHint(); else this.takeBack();
    }, { signal });
  }

  private takeBack(): void {
    this.run(() => this.game.takeBack());
  }

  private setMarkLastMove(on: boolean): void {
    this.markLastMove = on;
    this.markItem?.setAttribute("aria-checked", String(on));
  }

  // The dot over the last move while "Mark Last Move" is on, and the cell's label with it.
  private followMark(): void {
    const dot = this.markLastMove ? this.game.markDot() : null;
    PlaceOver(this.markDot, dot);
    this.cells.markLastMove(dot?.cell ?? 0);
  }

  private sizeMenuName(): string {
    return this.facts.menuItems.find((item) => item.place === "submenu")?.name ?? "Sizex";
  }

  private askHint(): void {
    this.run(() => this.game.hint());
  }

  private showHint(cell: number): void {
    this.followHint();
    this.say(`Hint: ${this.cells.cellName(cell)}`);
  }

  // The mark over the hinted cell while the hint holds, and whether "Hint" can be chosen.
  private followHint(): void {
    if (this.hintItem !== null) this.hintItem.disabled = !this.game.hintAvailable();
    PlaceOver(this.hintMark, this.game.hintRing());
  }

  // A worker's answer, handed to the game like any other event.
  private answer(answer: SearchAnswer): void {
    this.run(() => this.game.searchDone(answer.ticket, answer.purpose, answer.cell));
  }

  private command(item: number): void {
    switch (this.facts.menuItems[item]?.name) {
      case "Helpx": this.run(() => { this.help.show(); return Outcome.Ran; }); return;
      case "Aboutx": this.run(() => { this.about.show(); return Outcome.Ran; }); return;
      case "Exitx": this.end(""); return;
      default: this.run(() => this.game.menu(item));
    }
  }

  // The message box's mouse rule is the game's. The page cannot read the system's
  // double-click interval and takes the standard one, unless the address names another
  // ("?double-click-ms=0" for the tests that answer a box at once).
  private messageBoxMouse(): MouseRule {
    const asked = new URLSearchParams(location.search).get("double-click-ms");
    const interval = asked !== null && /^\d+$/.test(asked) ? Number(asked) : this.facts.doubleClickMs;
    return {
      shown: (now) => this.game.messageBoxShown(now, interval),
      press: (now, left, onText) => this.game.messageBoxPress(now, left, onText),
      release: (left, onText) => this.game.messageBoxRelease(left, onText),
    };
  }

  private run(call: () => Outcome): void {
    try {
      this.note(call());
      this.window.eventDone();
      this.keep();
    } catch (error) {
      this.scriptFailed(error);
    }
  }

  // The page's script failed outside the game's calls of it (those come back to the game
  // as its own errors): the game's error boundary gives the fresh board all the same. Should
  // even that fail, the session ends.
  private scriptFailed(error: unknown): void {
    if (this.stopped) return;
    try {
      this.note(this.game.scriptFault(error));
      this.window.eventDone();
      this.keep();
    } catch (again) {
      this.stopped = true;
      this.end(`Vorn stopped after an internal error: ${String(again)}`);
    }
  }

  private note(outcome: Outcome): void {
    if (outcome === Outcome.Stopped) this.stopped = true;
  }

  // All that the last event drew is shown: the cells for the keyboard and screen readers
  // follow the board, RED's new stones are announced, and a game that stopped ends here.
  private settled(): void {
    if (this.stopped) {
      this.end("Vorn stopped after an internal error.");
      return;
    }
    this.followHint();
    this.followMark();
    this.levelMenuFollows();
    if (this.takeBackItem !== null) this.takeBackItem.disabled = !this.game.canTakeBack();
    const owners = this.game.owners();
    if (owners.length !== this.cellCount) {
      this.cellCount = owners.length;
      this.cells.rebuild(this.game.board(), owners);
      return;
    }
    const changed = this.cells.updateOwners(owners);
    const red = changed.filter((cell) => owners[cell - 1] === "R");
    if (red.length > 0) this.say(this.redPlayed(red));
    else if (changed.length > 0 && !/[GR]/.test(owners)) this.say(""); // a fresh board
  }

  // A message stands over the board it speaks of (at a win, the winning position with its
  // chain hatched): the cells follow that board, and RED's last stone is said with it.
  private messageShown(message: string): void {
    const owners = this.game.owners();
    if (owners.length !== this.cellCount) {
      this.say(message);
      return;
    }
    const chain = this.board.hatchedMiddles().map(({ x, y }) => this.cells.cellAt(x, y))
      .filter((cell) => cell > 0).sort((a, b) => a - b); // read from the top
    const red = this.cells.updateOwners(owners, chain).filter((cell) => owners[cell - 1] === "R");
    const said = [message];
    if (red.length > 0) said.unshift(this.redPlayed(red));
    const names = chain.map((cell) => this.cells.cellName(cell));
    if (chain.length > 0) said.push(`Winning chain: ${names.join("; ")}`);
    this.say(said.join(". "));
  }

  private redPlayed(cells: number[]): string {
    return `RED played ${cells.map((cell) => this.cells.cellName(cell)).join("; ")}`;
  }

  // Above the Standard level (0) the engine answers, so its worker is made ready at once.
  private levelMenuFollows(): void {
    const level = this.game.level();
    this.levelItems.forEach((button, index) => button.setAttribute("aria-checked", String(index === level)));
    if (level !== 0) this.searcher.prepare();
  }

  private say(message: string): void {
    this.page.live.textContent = message;
  }

  // "Exit": every window of the session closes and the game is let go, the stored one too;
  // the settings last, as they do on the desktop.
  private end(reason: string): void {
    this.keeping = false;
    this.store.forget(kGameKey);
    this.help.hide();
    this.about.hide();
    this.abort.abort();
    this.searcher.stop();
    this.hintMark.remove();
    this.markDot.remove();
    this.window.attach(null);
    this.page.menubar.replaceChildren();
    this.page.cells.replaceChildren();
    this.page.board.querySelectorAll(".indicator").forEach((indicator) => indicator.remove());
    this.ended(reason);
  }

  // From the release to the frame that shows its drawing.
  private measureToPaint(at: number): void {
    AfterNextPaint(() => performance.measure("vorn-click", { start: at, end: performance.now() }));
  }
}

// Calls `then` once the browser has painted the next frame: the frame is painted after the
// animation callbacks, and a message posted from one arrives once it is.
export function AfterNextPaint(then: () => void): void {
  requestAnimationFrame(() => {
    const channel = new MessageChannel();
    channel.port1.onmessage = then;
    channel.port2.postMessage(null);
  });
}
