// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The help window and the About window. Help shows the help page "vorn.htm" beside the
// board, with "Back" and "Forward" that step through its history only while the page shown
// was reached through a link to an anchor, and "Exit" that hides it; the board stays
// usable meanwhile. The panel keeps its own list of the addresses shown and moves the frame
// by replacing its address: the frame's steps never land in the browser's history, where
// they would make the browser's Back step through the help page instead of leaving Vorn.
// About is modal and shows the version and the credit text.

const kHelpPage = "vorn.htm";
// The help panel's gap to the board and the edge, the least width worth reading in and the
// most it takes, in CSS pixels.
const kGap = 8;
const kReadableWidth = 320;
const kWidestPanel = 560;

export class HelpWindow {
  private shown: string[] = [];
  private at = 0;

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
    back.addEventListener("click", () => this.step(-1), options);
    forward.addEventListener("click", () => this.step(1), options);
    exit.addEventListener("click", () => this.hide(), options);
    panel.addEventListener("keydown", (event) => this.onKey(event), options);
    // The page in the frame is the site's own: Escape there closes the panel too.
    frame.addEventListener("load", () => {
      const page = this.frame.contentDocument;
      page?.addEventListener("keydown", (event) => this.onKey(event), options);
      page?.addEventListener("click", (event) => this.followLink(event), options);
    }, options);
  }

  // Every showing starts from the top of the page, with the focus in it for reading.
  show(): void {
    this.panel.hidden = false;
    this.placeBesideBoard();
    const address = new URL(kHelpPage, document.baseURI).href;
    this.shown = [address];
    this.at = 0;
    this.navigate(address);
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

  // One step back (-1) or forward (1) through the addresses shown; none where the list ends.
  private step(direction: number): void {
    if (!this.reachedThroughAnchor(this.location())) return;
    const address = this.shown[this.at + direction];
    if (address === undefined) return;
    this.at += direction;
    this.navigate(address);
  }

  // A link of the help page followed in place of the browser, so it adds to the panel's list
  // only. Links that open elsewhere, or with a key held, are the browser's.
  private followLink(event: MouseEvent): void {
    // The frame's elements are of its own window's classes: no instanceof of this one's.
    const target = event.target as Element | null;
    const link = typeof target?.closest === "function" ? target.closest("a[href]") : null;
    if (link === null || event.defaultPrevented || event.button !== 0) return;
    if (event.ctrlKey || event.shiftKey || event.metaKey || event.altKey) return;
    const opensIn = link.getAttribute("target");
    if (opensIn !== null && opensIn !== "" && opensIn !== "_self") return;
    const address = (link as HTMLAnchorElement).href;
    event.preventDefault();
    this.shown = [...this.shown.slice(0, this.at + 1), address];
    this.at = this.shown.length - 1;
    this.navigate(address);
  }

  private navigate(address: string): void {
    const shown = this.frame.contentWindow;
    if (shown === null) {
      this.frame.src = address;
      return;
    }
    shown.location.replace(address);
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
