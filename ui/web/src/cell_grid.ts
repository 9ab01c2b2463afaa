// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The board for the keyboard and screen readers: one focusable cell over each cell's click
// box, labelled with its row, column and owner. The arrow keys (and Home, End) move among
// them, Enter or Space plays the focused cell, the menu key (or Shift+F10) right-clicks it.

import { Button } from "./game.js";
import type { BoardFacts } from "./game.js";

function OwnerWord(owner: string): string {
  return owner === "G" ? "GREEN stone" : owner === "R" ? "RED stone" : "empty";
}

export class CellGrid {
  private cells: HTMLElement[] = [];
  private boxes: BoardFacts["boxes"] = [];
  private owners = "";
  private focusedCell = 1;
  private rows = 0;
  private size = 0;
  private lastMove = 0; // the cell whose label says "last move"; 0 for none

  constructor(
    private readonly grid: HTMLElement,
    private readonly playCell: (button: Button, cell: number) => void,
    signal: AbortSignal,
  ) {
    const options = { signal };
    grid.addEventListener("keydown", (event) => this.onKey(event), options);
    // The menu key plays the cell; it does not open the browser's menu.
    grid.addEventListener("contextmenu", (event) => event.preventDefault(), options);
    grid.addEventListener("focusin", (event) => {
      const index = this.cells.indexOf(event.target as HTMLElement);
      if (index >= 0) this.focusedCell = index + 1;
    }, options);
    // A screen reader's activation is a click on the cell with no pointer before it (a
    // pointer's own clicks land on the canvas beneath: the cells take none).
    grid.addEventListener("click", (event) => {
      const index = this.cells.indexOf(event.target as HTMLElement);
      if (index < 0) return;
      this.focusCell(index + 1);
      this.playCell(Button.Left, index + 1);
    }, options);
  }

  // The focus on the board, on the cell that had it last.
  focus(): void {
    this.cells[this.focusedCell - 1]?.focus();
  }

  // The cell whose click box holds (x, y) pixels of the board's area; 0 for none.
  cellAt(x: number, y: number): number {
    const index = this.boxes.findIndex(([left, top, right, bottom]) =>
      x >= left && x < right && y >= top && y < bottom);
    return index + 1;
  }

  // Lays the cells out anew for a board of another size or shape.
  rebuild(board: BoardFacts, owners: string): void {
    const keepFocus = this.grid.contains(document.activeElement);
    this.grid.replaceChildren();
    this.cells = [];
    this.size = board.size;
    this.rows = board.rows;
    this.boxes = board.boxes;
    this.grid.setAttribute("aria-label", `Board, ${board.size} cells a row, ${board.rows} rows`);
    this.grid.setAttribute("aria-rowcount", String(board.rows));
    this.grid.setAttribute("aria-colcount", String(board.size));
    for (let r = 0; r < board.rows; ++r) {
      const row = document.createElement("div");
      row.setAttribute("role", "row");
      // Named short: a row is not read out as all its cells' names.
      row.setAttribute("aria-label", `row ${r + 1}`);
      for (let c = 0; c < board.size; ++c) {
        const cell = document.createElement("div");
        const box = board.boxes[r * board.size + c] ?? [0, 0, 0, 0];
        cell.className = "cell";
        cell.setAttribute("role", "gridcell");
        cell.tabIndex = -1;
        cell.style.left = `${box[0]}px`;
        cell.style.top = `${box[1]}px`;
        cell.style.width = `${box[2] - box[0]}px`;
        cell.style.height = `${box[3] - box[1]}px`;
        row.append(cell);
        this.cells.push(cell);
      }
      this.grid.append(row);
    }
    this.owners = "";
    this.updateOwners(owners);
    if (this.focusedCell > this.cells.length) this.focusedCell = 1;
    const focused = this.cells[this.focusedCell - 1];
    if (focused !== undefined) {
      focused.tabIndex = 0;
      if (keepFocus) focused.focus();
    }
  }

  // Labels the cells with their owners and, while a win is announced, the winning chain;
  // returns the cells whose owner changed.
  updateOwners(owners: string, chain: number[] = []): number[] {
    const changed: number[] = [];
    for (let i = 0; i < this.cells.length; ++i) {
      const owner = owners[i] ?? ".";
      if (owner !== this.owners[i]) changed.push(i + 1);
      this.label(i + 1, owner, chain.includes(i + 1));
    }
    this.owners = owners;
    return changed;
  }

  // The cell of the last move, marked on the board, is so named in its label too.
  markLastMove(cell: number): void {
    if (cell === this.lastMove) return;
    const before = this.lastMove;
    this.lastMove = cell;
    for (const changed of [before, cell]) {
      if (changed > 0 && changed <= this.owners.length) this.label(changed, this.owners[changed - 1] ?? ".");
    }
  }

  private label(cell: number, owner: string, inChain = false): void {
    const chainWords = inChain ? ", winning chain" : "";
    const lastMove = cell === this.lastMove ? ", last move" : "";
    const text = `${this.cellName(cell)}, ${OwnerWord(owner)}${chainWords}${lastMove}`;
    const element = this.cells[cell - 1];
    if (element !== undefined && element.getAttribute("aria-label") !== text) {
      element.setAttribute("aria-label", text);
    }
  }

  cellName(cell: number): string {
    const size = Math.max(1, this.size);
    return `row ${Math.floor((cell - 1) / size) + 1}, column ${((cell - 1) % size) + 1}`;
  }

  private onKey(event: KeyboardEvent): void {
    const size = this.size;
    let row = Math.floor((this.focusedCell - 1) / size);
    let column = (this.focusedCell - 1) % size;
    // Shift+F10 is the menu key of keyboards without one.
    const key = event.key === "F10" && event.shiftKey ? "ContextMenu" : event.key;
    switch (key) {
      case "ArrowLeft": column = Math.max(0, column - 1); break;
      case "ArrowRight": column = Math.min(size - 1, column + 1); break;
      case "ArrowUp": row = Math.max(0, row - 1); break;
      case "ArrowDown": row = Math.min(this.rows - 1, row + 1); break;
      case "Home": column = 0; break;
      case "End": column = size - 1; break;
      case "Enter":
      case " ":
        event.preventDefault();
        if (!event.repeat) this.playCell(Button.Left, this.focusedCell);
        return;
      case "ContextMenu":
        event.preventDefault();
        if (!event.repeat) this.playCell(Button.Right, this.focusedCell);
        return;
      default:
        return;
    }
    event.preventDefault();
    this.focusCell(row * size + column + 1);
  }

  private focusCell(cell: number): void {
    const from = this.cells[this.focusedCell - 1];
    const to = this.cells[cell - 1];
    if (to === undefined) return;
    if (from !== undefined) from.tabIndex = -1;
    to.tabIndex = 0;
    to.focus();
    this.focusedCell = cell;
  }
}
