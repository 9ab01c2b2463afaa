// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's message box: modal, titled "VORN", with the text and OK. It stands beside the
// board, so the board it speaks of stays in view, and closes with OK, a click on its text,
// Enter, Space or Escape. The second press of a double click, and a key held down, are not
// taken as an answer: the box may have appeared under them.

export interface Placement {
  // Where a box of the given size goes on the viewport.
  place(width: number, height: number): { x: number; y: number };
}

export class MessageBox {
  private onClose: (() => void) | null = null;
  private returnFocus: HTMLElement | null = null;

  constructor(
    private readonly dialog: HTMLDialogElement,
    private readonly text: HTMLElement,
    private readonly ok: HTMLButtonElement,
    private readonly placement: Placement,
    signal: AbortSignal,
  ) {
    const options = { signal };
    ok.addEventListener("click", (event) => this.answer(event), options);
    text.addEventListener("click", (event) => this.answer(event), options);
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
    this.dialog.style.left = "0px";
    this.dialog.style.top = "0px";
    this.dialog.showModal();
    const { x, y } = this.placement.place(this.dialog.offsetWidth, this.dialog.offsetHeight);
    this.dialog.style.left = `${x}px`;
    this.dialog.style.top = `${y}px`;
    this.ok.focus();
  }

  private answer(event: MouseEvent): void {
    if (event.detail >= 2) return;
    this.close();
  }

  private close(): void {
    const onClose = this.onClose;
    if (onClose === null) return;
    this.onClose = null;
    this.dialog.close();
    if (this.returnFocus?.isConnected === true) this.returnFocus.focus();
    onClose();
  }
}
