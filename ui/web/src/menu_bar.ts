// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu bar: "Vorn" and "Size" open menus of commands, "Help", "About" and "Exit" are
// commands on the bar itself, with the captions, enabled states and check mark the game
// sets; the session adds the "Level" menu, "Take Back", "Hint" and "Mark Last Move", which
// are the page's own commands.
// Alt and an underlined letter choose from the keyboard, as do the arrow keys, Enter and
// Escape once a menu has the focus.

import type { MenuItemFacts } from "./game.js";

interface Entry {
  button: HTMLButtonElement;
  mnemonic: string;
  menu?: HTMLElement; // the commands a "Vorn" or "Size" entry opens
}

// The caption as shown: the "&" left out and the letter after it underlined.
function CaptionNodes(caption: string): { nodes: Node[]; mnemonic: string } {
  const at = caption.indexOf("&");
  if (at < 0 || at + 1 >= caption.length) return { nodes: [document.createTextNode(caption)], mnemonic: "" };
  const letter = caption.charAt(at + 1);
  const underlined = document.createElement("u");
  underlined.textContent = letter;
  return {
    nodes: [document.createTextNode(caption.slice(0, at)), underlined, document.createTextNode(caption.slice(at + 2))],
    mnemonic: letter.toLowerCase(),
  };
}

export class MenuBar {
  private readonly entries: Entry[] = []; // on the bar, in order
  private readonly items: HTMLButtonElement[] = []; // by MenuItem number
  private readonly mnemonics: string[] = [];
  // The page's own commands (levels, hint), which are no items of the game's menus.
  private readonly extras: { button: HTMLButtonElement; mnemonic: string; choose: () => void }[] = [];
  private open: Entry | null = null;

  constructor(
    private readonly bar: HTMLElement,
    vornCaption: string,
    items: MenuItemFacts[],
    private readonly choose: (item: number) => void,
    private readonly accepting: () => boolean, // false while the window takes no input
    signal: AbortSignal,
  ) {
    bar.replaceChildren();
    const vorn = this.addEntry(vornCaption, "Vornx", true);
    let size: Entry | undefined;
    items.forEach((facts, item) => {
      const { nodes, mnemonic } = CaptionNodes(facts.caption);
      this.mnemonics[item] = mnemonic;
      if (facts.place === "submenu") {
        size = this.addEntry(facts.caption, facts.name, true);
        this.items[item] = size.button;
        return;
      }
      if (facts.place === "bar") {
        const entry = this.addEntry(facts.caption, facts.name, false);
        entry.button.addEventListener("click", () => this.run(item), { signal });
        this.items[item] = entry.button;
        return;
      }
      const menu = facts.place === "vorn" ? vorn.menu : size?.menu;
      const button = document.createElement("button");
      button.type = "button";
      button.id = facts.name;
      button.setAttribute("role", "menuitem");
      button.tabIndex = -1;
      button.append(...nodes);
      button.addEventListener("click", () => this.run(item), { signal });
      menu?.append(button);
      this.items[item] = button;
      if (facts.checked) this.setChecked(item, true);
    });
    this.listen(signal);
  }

  // A disabled item cannot be chosen; a disabled "Size" cannot be opened.
  setEnabled(item: number, enabled: boolean): void {
    const button = this.items[item];
    if (button === undefined) return;
    button.disabled = !enabled;
    if (!enabled && this.open?.button === button) this.close();
  }

  setChecked(item: number, checked: boolean): void {
    const button = this.items[item];
    if (button === undefined) return;
    if (button.getAttribute("role") === "menuitem" && button.closest("[role=menu]") !== null) {
      button.setAttribute("role", "menuitemcheckbox");
    }
    button.setAttribute("aria-checked", String(checked));
  }

  // A menu of the page's own, placed right after the entry `after` on the bar, holding
  // radio items (one checked at a time); choosing one runs `choose` with its place.
  addRadioMenu(after: string, caption: string, name: string, items: { caption: string; name: string }[],
               choose: (index: number) => void, signal: AbortSignal): HTMLButtonElement[] {
    const entry = this.addEntry(caption, name, true);
    entry.button.addEventListener("click", (event) => this.activate(entry, event.detail === 0), { signal });
    const at = this.entries.findIndex((candidate) => candidate.button.id === after);
    if (at >= 0) {
      this.entries.splice(this.entries.indexOf(entry), 1);
      this.entries.splice(at + 1, 0, entry);
      this.entries[at]?.button.parentElement?.after(entry.button.parentElement ?? entry.button);
    }
    return items.map((item, index) => {
      const button = this.addExtra(entry, item.caption, item.name, () => choose(index), signal);
      button.setAttribute("role", "menuitemradio");
      button.setAttribute("aria-checked", "false");
      return button;
    });
  }

  // A command of the page's own at the end of the menu of the entry `menuName`.
  addCommand(menuName: string, caption: string, name: string, run: () => void,
             signal: AbortSignal): HTMLButtonElement | null {
    const entry = this.entries.find((candidate) => candidate.button.id === menuName);
    return entry === undefined ? null : this.addExtra(entry, caption, name, run, signal);
  }

  // A line at the end of the menu of the entry `menuName`, before the commands added next.
  addSeparator(menuName: string): void {
    const entry = this.entries.find((candidate) => candidate.button.id === menuName);
    const line = document.createElement("div");
    line.className = "separator";
    line.setAttribute("role", "separator");
    entry?.menu?.append(line);
  }

  close(): void {
    if (this.open === null) return;
    this.open.menu?.setAttribute("hidden", "");
    this.open.button.setAttribute("aria-expanded", "false");
    this.open = null;
  }

  private addEntry(caption: string, name: string, opens: boolean): Entry {
    const { nodes, mnemonic } = CaptionNodes(caption);
    const holder = document.createElement("div");
    holder.className = "menu-holder";
    const button = document.createElement("button");
    button.type = "button";
    button.id = name;
    button.setAttribute("role", "menuitem");
    button.tabIndex = this.entries.length === 0 ? 0 : -1;
    button.append(...nodes);
    holder.append(button);
    const entry: Entry = { button, mnemonic };
    if (opens) {
      const menu = document.createElement("div");
      menu.className = "menu";
      menu.setAttribute("role", "menu");
      menu.setAttribute("aria-label", caption.replace("&", ""));
      menu.hidden = true;
      button.setAttribute("aria-haspopup", "menu");
      button.setAttribute("aria-expanded", "false");
      holder.append(menu);
      entry.menu = menu;
    }
    this.bar.append(holder);
    this.entries.push(entry);
    return entry;
  }

  private addExtra(entry: Entry, caption: string, name: string, run: () => void,
                   signal: AbortSignal): HTMLButtonElement {
    const { nodes, mnemonic } = CaptionNodes(caption);
    const button = document.createElement("button");
    button.type = "button";
    button.id = name;
    button.setAttribute("role", "menuitem");
    button.tabIndex = -1;
    button.append(...nodes);
    const choose = () => {
      this.close();
      if (this.accepting() && !button.disabled) run();
    };
    button.addEventListener("click", choose, { signal });
    entry.menu?.append(button);
    this.extras.push({ button, mnemonic, choose });
    return button;
  }

  private run(item: number): void {
    this.close();
    if (this.accepting()) this.choose(item);
  }

  private show(entry: Entry, focusFirst: boolean): void {
    if (entry.button.disabled || entry.menu === undefined || !this.accepting()) return;
    this.close();
    entry.menu.hidden = false;
    entry.button.setAttribute("aria-expanded", "true");
    this.open = entry;
    if (focusFirst) this.commands(entry)[0]?.focus();
  }

  private commands(entry: Entry): HTMLButtonElement[] {
    return Array.from(entry.menu?.querySelectorAll("button") ?? []);
  }

  // An entry of the bar: a menu opens, a command runs.
  private activate(entry: Entry, focusFirst: boolean): void {
    if (entry.menu === undefined) {
      entry.button.click();
    } else if (this.open === entry) {
      this.close();
    } else {
      this.show(entry, focusFirst);
    }
  }

  private listen(signal: AbortSignal): void {
    for (const entry of this.entries) {
      entry.button.addEventListener("click", (event) => {
        if (entry.menu !== undefined) this.activate(entry, event.detail === 0);
      }, { signal });
    }
    document.addEventListener("pointerdown", (event) => {
      if (this.open !== null && !this.bar.contains(event.target as Node)) this.close();
    }, { signal });
    document.addEventListener("keydown", (event) => this.onKey(event), { signal });
  }

  private onKey(event: KeyboardEvent): void {
    const letter = event.key.length === 1 ? event.key.toLowerCase() : "";
    if (event.altKey && letter !== "" && !event.ctrlKey) {
      const entry = this.entries.find((candidate) => candidate.mnemonic === letter);
      if (entry !== undefined && !entry.button.disabled) {
        event.preventDefault();
        entry.button.focus();
        this.activate(entry, true);
      }
      return;
    }
    const open = this.open;
    if (open === null) {
      if (this.bar.contains(document.activeElement)) this.moveOnBar(event);
      return;
    }
    const commands = this.commands(open).filter((button) => !button.disabled);
    const at = commands.indexOf(document.activeElement as HTMLButtonElement);
    switch (event.key) {
      case "Escape":
        this.close();
        open.button.focus();
        break;
      case "ArrowDown":
        commands[(at + 1) % commands.length]?.focus();
        break;
      case "ArrowUp":
        commands[(at - 1 + commands.length) % commands.length]?.focus();
        break;
      case "ArrowLeft":
      case "ArrowRight":
        this.close();
        this.moveOnBar(event);
        return;
      default: {
        const item = this.items.findIndex(
          (button, index) => commands.includes(button) && this.mnemonics[index] === letter);
        const extra = this.extras.find(
          (candidate) => commands.includes(candidate.button) && candidate.mnemonic === letter);
        if (letter === "" || (item < 0 && extra === undefined)) return;
        if (item >= 0) this.run(item); else extra?.choose();
      }
    }
    event.preventDefault();
  }

  private moveOnBar(event: KeyboardEvent): void {
    const at = this.entries.findIndex((entry) => entry.button === document.activeElement
      || entry.button.parentElement?.contains(document.activeElement) === true);
    if (at < 0) return;
    const step = event.key === "ArrowRight" ? 1 : event.key === "ArrowLeft" ? -1 : 0;
    if (step !== 0) {
      event.preventDefault();
      const next = this.entries[(at + step + this.entries.length) % this.entries.length];
      this.entries.forEach((entry) => { entry.button.tabIndex = entry === next ? 0 : -1; });
      next?.button.focus();
    } else if (event.key === "ArrowDown") {
      const entry = this.entries[at];
      if (entry?.menu !== undefined) {
        event.preventDefault();
        this.show(entry, true);
      }
    }
  }
}
