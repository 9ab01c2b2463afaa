// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's message box: modal, titled "VORN", with the text and OK. It stands beside the
// board, so the board it speaks of stays in view, and closes with OK, a click on its text,
// Enter, Space or Escape. The mouse follows the game's rule for every front end
// (MessageBoxMouse): presses within the double-click interval after the box was shown are
// ignored, with their releases, since the box may have come up under the second click of a
// double click; a press and release of the left button on the text close it. A key held
// down is not taken as an answer either. Where the game's text asks for a right click, a
// line of the page's own says how to give one without a mouse, to players who have used a
// finger or the keyboard here.

import { BoxMouse } from "./game.js";

export interface Placement {
  // Where a box of the given size goes on the viewport.
  place(width: number, height: number): { x: number; y: number };
}

// The game's rule for the mouse in the box; times are performance.now()'s.
export interface MouseRule {
  shown(now: number): void;
  press(now: number, leftButton: boolean, onText: boolean): BoxMouse;
  release(leftButton: boolean, onText: boolean): BoxMouse;
}

// The game's word for the right click, in the texts that ask for one.
const kAsksForRightClick = /right-click/i;

export class MessageBox {
  private readonly hint: HTMLElement | null;
  private onClose: (() => void) | null = null;
  private returnFocus: HTMLElement | null = null;
  // Whether the click that ends the press under way is the rule's to swallow.
  private swallowClick = false;

  constructor(
    private readonly dialog: HTMLDialogElement,
    private readonly text: HTMLElement,
    private readonly ok: HTMLButtonElement,
    private readonly placement: Placement,
    private readonly mouse: MouseRule,
    // Where the focus goes on closing when what had it before is gone (a closed menu's item).
    private readonly home: () => void,
    signal: AbortSignal,
  ) {
    const options = { signal };
    const capture = { signal, capture: true };
    this.hint = dialog.querySelector<HTMLElement>("#message-hint");
    NoteInputWithoutMouse(signal);
    ok.addEventListener("click", () => this.close(), options);
    // The rule sees each press and release before any part of the box does; a click it
    // ignored never reaches OK. A click made by a key (detail 0) is no mouse's.
    dialog.addEventListener("mousedown", (event) => {
      const verdict = this.mouse.press(performance.now(), event.button === 0, this.onText(event));
      this.swallowClick = false;
      if (verdict !== BoxMouse.PassOn) event.preventDefault(); // nor does the focus move
    }, capture);
    dialog.addEventListener("mouseup", (event) => {
      const verdict = this.mouse.release(event.button === 0, this.onText(event));
      if (verdict !== BoxMouse.PassOn) this.swallowClick = true;
      if (verdict === BoxMouse.Close) this.close();
    }, capture);
    dialog.addEventListener("click", (event) => {
      if (event.detail === 0 || !this.swallowClick) return;
      this.swallowClick = false;
      event.preventDefault();
      event.stopPropagation();
    }, capture);
    dialog.addEventListener("keydown", (event) => {
      if (event.key !== "Enter" && event.key !== " " && event.key !== "Escape") return;
      event.preventDefault();
      if (!event.repeat) this.close();
    }, options);
    // Escape is answered above; the browser's own cancelling would skip onClose.
    dialog.addEventListener("cancel", (event) => event.preventDefault(), options);
  }

  get shown(): boolean {
    return this.onClose !== null;
  }

  show(message: string, onClose: () => void): void {
    this.onClose = onClose;
    this.returnFocus = document.activeElement instanceof HTMLElement ? document.activeElement : null;
    this.text.textContent = message;
    if (this.hint !== null) this.hint.hidden = !kAsksForRightClick.test(message);
    this.dialog.style.left = "0px";
    this.dialog.style.top = "0px";
    this.dialog.showModal();
    const { x, y } = this.placement.place(this.dialog.offsetWidth, this.dialog.offsetHeight);
    this.dialog.style.left = `${x}px`;
    this.dialog.style.top = `${y}px`;
    this.ok.focus();
    this.swallowClick = false;
    this.mouse.shown(performance.now());
  }

  private onText(event: MouseEvent): boolean {
    return event.target instanceof Node && this.text.contains(event.target);
  }

  private close(): void {
    const onClose = this.onClose;
    if (onClose === null) return;
    this.onClose = null;
    this.dialog.close();
    const back = this.returnFocus;
    const shown = back !== null && back.isConnected && back.getClientRects().length > 0;
    if (back !== null && back !== document.body && shown) {
      back.focus();
    } else {
      this.home();
    }
    onClose();
  }
}

// Marks the page (body[data-input]) once a finger, a pen or a key has been used on it.
function NoteInputWithoutMouse(signal: AbortSignal): void {
  const note = (kind: string) => { document.body.dataset["input"] = kind; };
  const options = { signal, capture: true };
  document.addEventListener("pointerdown", (event) => {
    if (event.pointerType !== "mouse") note("touch");
  }, options);
  document.addEventListener("keydown", () => note("keys"), options);
}
