// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the browser tests share: the built site served on 127.0.0.1, Debian's Chromium
// driven by Playwright, the board's geometry worked out from its layout rules (not asked
// of the page), the cells' colours read from the canvas pixels, and the golden games of
// tests/replay/games played by mouse and menu.

import * as fs from "node:fs";
import * as path from "node:path";
import { chromium } from "playwright-core";
import type { Browser, BrowserContextOptions, Page } from "playwright-core";
import { ServeSite } from "../../tools/web/serve";
import type { SiteServer } from "../../tools/web/serve";

function Required(name: string): string {
  const value = process.env[name];
  if (value === undefined || value === "") throw new Error(`${name} is not set (ctest sets it)`);
  return value;
}

// --- The site and the browser ------------------------------------------------------

export interface Lab {
  site: SiteServer;
  browser: Browser;
  close(): Promise<void>;
}

// The flags this machine's Chromium needs: no sandbox as root, and no network of its own.
const kChromiumFlags = [
  "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
  "--disable-background-networking", "--disable-component-update", "--disable-sync",
];

export async function OpenLab(siteDir = Required("VORN_SITE_DIR"), cacheControl?: string): Promise<Lab> {
  const site = await ServeSite(siteDir, 0, cacheControl);
  const browser = await chromium.launch({
    executablePath: process.env["VORN_CHROMIUM"] ?? "/usr/bin/chromium",
    args: kChromiumFlags,
    headless: true,
  });
  return { site, browser, close: async () => { await browser.close(); await site.close(); } };
}

export interface OpenPage {
  page: Page;
  errors: string[]; // console errors and uncaught exceptions of the page
}

// The tests answer a message box as soon as it stands, so the page is told a double-click
// interval of none unless the query names one (the test of the interval itself).
function AnswerAtOnce(query: string): string {
  if (query.includes("double-click-ms=")) return query;
  return `${query}${query === "" ? "?" : "&"}double-click-ms=0`;
}

// A fresh context (no stored site data, no service worker) with the page loaded and its
// first board painted.
export async function OpenVorn(lab: Lab, options: BrowserContextOptions = {}, query = ""): Promise<OpenPage> {
  const context = await lab.browser.newContext({ viewport: { width: 900, height: 600 }, ...options });
  const page = await context.newPage();
  const errors: string[] = [];
  page.on("console", (message) => { if (message.type() === "error") errors.push(message.text()); });
  page.on("pageerror", (error) => errors.push(String(error)));
  await page.goto(lab.site.url + AnswerAtOnce(query));
  await page.waitForSelector("body[data-state=playing]");
  return { page, errors };
}

// --- The board's geometry, from its layout rules --------------------------------------

// Rounds to the nearest whole number, halves to the even one.
function RoundHalfEven(value: number): number {
  const floor = Math.floor(value);
  const fraction = value - floor;
  if (fraction !== 0.5) return Math.round(value);
  return floor % 2 === 0 ? floor : floor + 1;
}

export interface BoardShape {
  size: number; // cells per row
  rows: number;
}

// The upper-left corner of a cell's straight-sided band, in pixels of the board's area:
// cell 1 at (size x 13.5, 14), 27 pixels between cells of a row, and each row 21 pixels
// lower and 13.5 pixels further left (rounded, halves to even) than the one above.
export function CellCorner(shape: BoardShape, cell: number): { x: number; y: number } {
  const row = Math.floor((cell - 1) / shape.size);
  const column = (cell - 1) % shape.size;
  let start = RoundHalfEven(shape.size * 13.5);
  for (let r = 0; r < row; ++r) start = RoundHalfEven(start - 13.5);
  return { x: start + 27 * column, y: 14 + 21 * row };
}

export function CellMiddle(shape: BoardShape, cell: number): { x: number; y: number } {
  const corner = CellCorner(shape, cell);
  return { x: corner.x + 13.5, y: corner.y + 7 };
}

// A point of the board's area (in its pixels) on the page, wherever and however large the
// area is shown.
export async function PagePoint(page: Page, x: number, y: number): Promise<{ x: number; y: number }> {
  const box = await page.locator("#surface").boundingBox();
  const width = await page.locator("#surface").evaluate((canvas) => (canvas as HTMLElement).offsetWidth);
  if (box === null) throw new Error("the board is not shown");
  const scale = box.width / width;
  return { x: box.x + x * scale, y: box.y + y * scale };
}

// --- Reading the board from the canvas ------------------------------------------------

export interface CellLook {
  owner: "." | "G" | "R" | "?"; // the colour most of the cell's inside shows
  hatched: boolean; // black lines across its inside
}

// Each cell's inside (its band less the outline) as the canvas shows it.
export async function ReadCells(page: Page, shape: BoardShape): Promise<CellLook[]> {
  const rects: number[][] = [];
  for (let cell = 1; cell <= shape.size * shape.rows; ++cell) {
    const { x, y } = CellCorner(shape, cell);
    rects.push([x + 4, y + 3, x + 23, y + 11]);
  }
  const counts = await page.locator("#surface").evaluate((element, cellRects) => {
    const canvas = element as HTMLCanvasElement;
    const k = canvas.width / canvas.offsetWidth;
    const context = canvas.getContext("2d");
    if (context === null) throw new Error("no canvas context");
    const data = context.getImageData(0, 0, canvas.width, canvas.height).data;
    return cellRects.map(([left = 0, top = 0, right = 0, bottom = 0]) => {
      const count = { green: 0, red: 0, grey: 0, black: 0, other: 0 };
      for (let py = Math.ceil(top * k); py < bottom * k; ++py) {
        for (let px = Math.ceil(left * k); px < right * k; ++px) {
          const at = (py * canvas.width + px) * 4;
          const rgb = `${data[at]},${data[at + 1]},${data[at + 2]}`;
          if (rgb === "0,128,0") count.green++;
          else if (rgb === "128,0,0") count.red++;
          else if (rgb === "192,192,192") count.grey++;
          else if (rgb === "0,0,0") count.black++;
          else count.other++;
        }
      }
      return count;
    });
  }, rects);
  return counts.map((count) => {
    const best = Math.max(count.green, count.red, count.grey);
    const owner = best === 0 ? "?" : best === count.green ? "G" : best === count.red ? "R" : ".";
    return { owner, hatched: count.black > 0 };
  });
}

export function Owners(looks: CellLook[]): string {
  return looks.map((look) => look.owner).join("");
}

// The shape of the board the page's title names, "VORN SIZE n"; square unless told.
export async function ShapeShown(page: Page, square: boolean): Promise<BoardShape> {
  const size = Number((await page.title()).replace("VORN SIZE", ""));
  if (!Number.isInteger(size)) throw new Error(`the title "${await page.title()}" names no size`);
  return { size, rows: square ? size : size - 1 };
}

// --- Input ----------------------------------------------------------------------------

const kButtons: Record<number, "left" | "right" | "middle"> = { 1: "left", 2: "right", 4: "middle" };
const kModifiers: Array<[number, string]> = [[1, "Shift"], [2, "Control"], [4, "Alt"]];

// A click at (x, y) pixels of the board's area with a button (1, 2, 4) and a modifier mask.
export async function ClickBoard(page: Page, button: number, shift: number, x: number, y: number): Promise<void> {
  const at = await PagePoint(page, x, y);
  const held = kModifiers.filter(([bit]) => (shift & bit) !== 0).map(([, key]) => key);
  for (const key of held) await page.keyboard.down(key);
  await page.mouse.click(at.x, at.y, { button: kButtons[button] ?? "left" });
  for (const key of held.reverse()) await page.keyboard.up(key);
}

// Whether a menu command can be chosen: the item and, for "Size" commands, "Size" itself.
export async function MenuChoosable(page: Page, name: string): Promise<boolean> {
  if (await page.locator(`#${name}`).isDisabled()) return false;
  const menu = page.locator(`[role=menu]:has(#${name})`);
  if ((await menu.count()) === 0) return true;
  const opener = await menu.evaluate((element) => element.previousElementSibling?.id ?? "");
  return !(await page.locator(`#${opener}`).isDisabled());
}

// Chooses a command with the mouse, opening its menu first.
export async function ChooseMenu(page: Page, name: string): Promise<void> {
  const item = page.locator(`#${name}`);
  if (!(await item.isVisible())) {
    const opener = await page.locator(`[role=menu]:has(#${name})`)
      .evaluate((element) => element.previousElementSibling?.id ?? "");
    await page.locator(`#${opener}`).click();
  }
  await item.click();
}

// --- The golden games ------------------------------------------------------------------

export interface Game {
  script: string[]; // its commands, without comments and blank lines
  trace: string[]; // the recorded lines the page can show: stones, messages, refusals
}

export function ReadGame(name: string): Game {
  const games = Required("VORN_GAMES_DIR");
  const lines = (file: string) => fs.readFileSync(path.join(games, file), "utf8").split("\n");
  return {
    script: lines(`${name}.script`).map((line) => line.trim()).filter((line) => line !== "" && !line.startsWith("#")),
    trace: lines(`${name}.trace`).filter((line) => /^(stone|message|disabled) /.test(line)),
  };
}

// Plays script lines on the page as a player would and writes down what the page shows:
// each new stone as the canvas shows it (GREEN's before RED's, as they are played), each
// message box's text (answered with OK), and each menu command the page does not offer.
export class GamePlayer {
  readonly seen: string[] = [];
  private known = "";
  private square = true;

  constructor(private readonly page: Page) {}

  async play(lines: string[]): Promise<void> {
    for (const line of lines) await this.playLine(line);
  }

  async playLine(line: string): Promise<void> {
    const [command = "", ...words] = line.split(/\s+/);
    const numbers = words.map(Number);
    const [button = 0, shift = 0] = numbers;
    switch (command) {
      case "menu": {
        const name = words[0] ?? "";
        if (!(await MenuChoosable(this.page, name))) {
          this.seen.push(`disabled ${name}`);
          return;
        }
        if (name === "Squarex") this.square = !this.square;
        await ChooseMenu(this.page, name);
        // Help opens (and is closed again, so it hides no cell); About waits for its OK.
        if (name === "Helpx") await this.page.locator("#help-exit").click();
        if (name === "Aboutx") await this.page.locator("#about-ok").click();
        // Exit ends the session: no board is left to look at.
        if (name === "Exitx") return;
        break;
      }
      case "cell": {
        const shape = await ShapeShown(this.page, this.square);
        const middle = CellMiddle(shape, numbers[2] ?? 0);
        await ClickBoard(this.page, button, shift, middle.x, middle.y);
        break;
      }
      case "up":
        await ClickBoard(this.page, button, shift, (numbers[2] ?? 0) / 15, (numbers[3] ?? 0) / 15);
        break;
      case "dump":
        return;
      default:
        throw new Error(`a script line the page cannot play: ${line}`);
    }
    await this.takeNote(true);
  }

  // Notes what the last input did; with `answer`, answers each message box with OK.
  async takeNote(answer: boolean): Promise<void> {
    for (;;) {
      const owners = Owners(await ReadCells(this.page, await ShapeShown(this.page, this.square)));
      if (owners.length === this.known.length) {
        for (const side of ["G", "R"]) {
          for (let cell = 1; cell <= owners.length; ++cell) {
            if (owners[cell - 1] === side && this.known[cell - 1] !== side) {
              this.seen.push(`stone ${side === "G" ? 0 : 1} ${cell}`);
            }
          }
        }
      }
      this.known = owners;
      const box = this.page.locator("#message");
      if (!(await box.isVisible())) return;
      this.seen.push(`message ${await this.page.locator("#message-text").textContent()}`);
      if (!answer) return;
      await this.page.locator("#message-ok").click();
    }
  }
}
