// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's settings and saved game in the browser's storage for the site, as the texts
// the game makes of them, so that they outlast a reload, a closed tab or a crash. A browser
// that keeps nothing (a private window, storage turned off or full) only loses them: play
// goes on, and the cause goes to the console once.

export const kSettingsKey = "vorn.settings";
export const kGameKey = "vorn.game";

export class PageStore {
  private warned = false;

  // The text kept under `key`; null when there is none or the storage cannot be read.
  read(key: string): string | null {
    try {
      return window.localStorage.getItem(key);
    } catch (error) {
      this.warn(error);
      return null;
    }
  }

  // True when the text is kept.
  write(key: string, text: string): boolean {
    try {
      window.localStorage.setItem(key, text);
      return true;
    } catch (error) {
      this.warn(error);
      return false;
    }
  }

  forget(key: string): void {
    try {
      window.localStorage.removeItem(key);
    } catch (error) {
      this.warn(error);
    }
  }

  private warn(error: unknown): void {
    if (this.warned) return;
    this.warned = true;
    console.warn("Vorn cannot keep the settings and the game in this browser:", error);
  }
}
