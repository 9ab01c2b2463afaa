// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The help window and the About window. Help shows the help page "vorn.htm" beside the
// board, with "Back" and "Forward" that step through its history only while the page shown
// was reached through a link to an anchor, and "Exit" that hides it; the board stays
// usable meanwhile. About is modal and shows the version and the credit text.

const kHelpPage = "vorn.htm";
// The help panel's gap to the board and the edge, the least width worth reading in and the
// most it takes, in CSS pixels.
const kGap = 8;
const kReadableWidth = 320;
const kWidestPanel = 560;

export class HelpWindow {
  constructor(
    private readonly panel: HTMLElement,
    private readonly frame: HTMLIFrameElement,
    private readonly board: HTMLElement, // stood beside, where the viewport has room
    back: HTMLButtonElement,
    forward: HTMLButtonElement,
    exit: HTMLButtonElement,
    // The game's rule for "Back" and "Forward": whether they act on the page at an address.
    private readonly reachedThroughAnchor: (address: string) => boolean,
    // Where the focus goes when the panel closes with the focus in it.
    private readonly home: () => void,
    signal: AbortSignal,
  ) {
    const options = { signal };
    back.addEventListener("click", () => this.step((history) => history.back()), options);
    forward.addEventListener("click", () => this.step((history) => history.forward()), options);
    exit.addEventListener("click", () => this.hide(), options);
    panel.addEventListener("keydown", (event) => this.onKey(event), options);
    // The page in the frame is the site's own: Escape there closes the panel too.
    frame.addEventListener("load", () => {
      this.frame.contentDocument?.addEventListener("keydown", (event) => this.onKey(event), options);
    }, options);
  }

  // Every showing starts from the top of the page, with the focus in it for reading.
  show(): void {
    this.panel.hidden = false;
    this.placeBesideBoard();
    this.frame.src = new URL(kHelpPage, document.baseURI).href;
    this.frame.focus();
  }

  hide(): void {
    if (this.panel.hidden) return;
    const hadFocus = this.panel.contains(document.activeElement);
    this.panel.hidden = true;
    if (hadFocus) this.home();
  }

  private onKey(event: KeyboardEvent): void {
    if (event.key !== "Escape") return;
    event.preventDefault();
    this.hide();
  }

  // Right of the board when the viewport has room for the page to be read there; else at
  // the viewport's right edge, over the board.
  private placeBesideBoard(): void {
    const room = document.documentElement.clientWidth - this.board.getBoundingClientRect().right - 2 * kGap;
    if (room >= kReadableWidth) {
      this.panel.style.left = `${this.board.getBoundingClientRect().right + kGap}px`;
      this.panel.style.width = `${Math.min(room, kWidestPanel)}px`;
    } else {
      this.panel.style.left = "";
      this.panel.style.width = "";
    }
  }

  // The address shown; empty when the page cannot be read.
  location(): string {
    try {
      return this.frame.contentWindow?.location.href ?? "";
    } catch {
      return "";
    }
  }

  // Any failure, such as no history in that direction, leaves the page as it is.
  private step(move: (history: History) => void): void {
    if (!this.reachedThroughAnchor(this.location())) return;
    try {
      const history = this.frame.contentWindow?.history;
      if (history !== undefined) move(history);
    } catch {
      // nothing to step to
    }
  }
}

export class AboutWindow {
  constructor(
    private readonly dialog: HTMLDialogElement,
    credit: HTMLElement,
    version: HTMLElement,
    private readonly ok: HTMLButtonElement,
    facts: { creditText: string; version: string },
    signal: AbortSignal,
  ) {
    // The desktop window's empty lines above the credits would only push them down here.
    credit.textContent = facts.creditText.replace(/^(?:\r?\n)+/, "");
    version.textContent = `Version ${facts.version}`;
    const options = { signal };
    ok.addEventListener("click", () => this.hide(), options);
    // A press of any button in the credit text closes the window at once (its release acts
    // on nothing: the board takes only releases of presses made on it).
    credit.addEventListener("pointerdown", () => this.hide(), options);
    // A click outside the window lands on the dialog's backdrop, which counts as the dialog.
    dialog.addEventListener("click", (event) => {
      const box = dialog.getBoundingClientRect();
      const inside = event.clientX >= box.left && event.clientX < box.right &&
        event.clientY >= box.top && event.clientY < box.bottom;
      if (event.target === dialog && !inside) this.hide();
    }, options);
  }

  show(): void {
    if (!this.dialog.open) this.dialog.showModal();
    this.ok.focus();
  }

  hide(): void {
    if (this.dialog.open) this.dialog.close();
  }
}
