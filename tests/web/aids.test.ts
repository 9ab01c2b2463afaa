// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The player's aids on the page: Take Back by menu and Ctrl+Z, the last move's dot, and the
// settings and the game kept in the browser's storage over a reload, a damaged copy refused.

import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import { CellMiddle, ChooseMenu, ClickBoard, OpenLab, OpenVorn, Owners, ReadCells } from "./harness";
import type { BoardShape, Lab } from "./harness";
import type { Page } from "playwright-core";

let lab: Lab;
before(async () => { lab = await OpenLab(); });
after(async () => { await lab.close(); });

const kShape = { size: 11, rows: 11 };
const kSmaller = { size: 10, rows: 10 };

// Waits until the board shows `count` stones of RED, and the page takes input again.
async function WaitForRed(page: Page, shape: BoardShape, count: number): Promise<string> {
  for (;;) {
    const owners = Owners(await ReadCells(page, shape));
    if (owners.split("R").length - 1 >= count) {
      await page.waitForFunction(() => !(document.getElementById("TakeBackx") as HTMLButtonElement).disabled);
      return owners;
    }
    await page.waitForTimeout(50);
  }
}

async function Play(page: Page, shape: BoardShape, cell: number): Promise<void> {
  const middle = CellMiddle(shape, cell);
  await ClickBoard(page, 1, 0, middle.x, middle.y);
}

async function Canvas(page: Page): Promise<string> {
  return page.locator("#surface").evaluate((canvas) => (canvas as HTMLCanvasElement).toDataURL());
}

async function Labels(page: Page): Promise<string[]> {
  return page.locator("#cells .cell").evaluateAll((cells) => cells.map((cell) => cell.getAttribute("aria-label") ?? ""));
}

test("Take Back, before Hint, puts back the canvas and the cells' labels, by menu and by Ctrl+Z", async () => {
  const { page, errors } = await OpenVorn(lab);
  const items = await page.locator("#Vornx ~ [role=menu] button").evaluateAll((buttons) =>
    buttons.map((button) => button.textContent));
  assert.deepEqual(items.slice(-2), ["Take Back", "Hint"]);
  assert.equal(await page.locator("#TakeBackx").isDisabled(), true, "nothing to take back at first");
  const canvas = await Canvas(page);
  const labels = await Labels(page);
  await Play(page, kShape, 61);
  await WaitForRed(page, kShape, 1);
  assert.notEqual(await Canvas(page), canvas);
  await ChooseMenu(page, "TakeBackx");
  assert.equal(await Canvas(page), canvas);
  assert.deepEqual(await Labels(page), labels);
  assert.equal(await page.locator("#TakeBackx").isDisabled(), true);

  // Two clicks, two Ctrl+Z: the second click, then the first.
  await Play(page, kShape, 1);
  const afterOne = await WaitForRed(page, kShape, 1);
  await Play(page, kShape, 121);
  await WaitForRed(page, kShape, 2);
  await page.keyboard.press("Control+z");
  assert.equal(Owners(await ReadCells(page, kShape)), afterOne);
  await page.keyboard.press("Control+z");
  assert.equal(await Canvas(page), canvas);
  assert.deepEqual(errors, []);
  await page.context().close();
});

test("Mark Last Move: off at first, then a white dot over RED's last stone, named in its label", async () => {
  const { page, errors } = await OpenVorn(lab);
  const level = await page.locator("#Levelx ~ [role=menu] > *").evaluateAll((children) =>
    children.map((child) => child.getAttribute("role")));
  assert.deepEqual(level.slice(-2), ["separator", "menuitemcheckbox"]);
  assert.equal(await page.locator("#MarkLastMovex").getAttribute("aria-checked"), "false");
  await Play(page, kShape, 61);
  const owners = await WaitForRed(page, kShape, 1);
  assert.equal(await page.locator(".mark-dot").isVisible(), false);
  await ChooseMenu(page, "MarkLastMovex");
  assert.equal(await page.locator("#MarkLastMovex").getAttribute("aria-checked"), "true");
  const red = owners.indexOf("R") + 1;
  const dot = await page.locator(".mark-dot").evaluate((element) => {
    const box = element.getBoundingClientRect();
    const board = document.getElementById("surface")?.getBoundingClientRect();
    return { x: box.x + box.width / 2 - (board?.x ?? 0), y: box.y + box.height / 2 - (board?.y ?? 0),
      width: box.width, color: getComputedStyle(element).backgroundColor };
  });
  const middle = CellMiddle(kShape, red);
  assert.ok(Math.abs(dot.x - middle.x) < 1.5 && Math.abs(dot.y - middle.y) < 1.5, `dot ${JSON.stringify(dot)} on ${red}`);
  assert.equal(dot.width, 8);
  assert.equal(dot.color, "rgb(255, 255, 255)");
  assert.match(await page.locator("#cells .cell").nth(red - 1).getAttribute("aria-label") ?? "", /, RED stone, last move$/);
  // Taken back, there is no last move to mark.
  await ChooseMenu(page, "TakeBackx");
  assert.equal(await page.locator(".mark-dot").isVisible(), false);
  assert.deepEqual(errors, []);
  await page.context().close();
});

// Size 10, Strong, the mark on, and one click of GREEN answered by RED.
async function Prepare(page: Page): Promise<void> {
  await ChooseMenu(page, "Decreasex");
  await ChooseMenu(page, "LevelStrong");
  await ChooseMenu(page, "MarkLastMovex");
  await Play(page, kSmaller, 45);
  await WaitForRed(page, kSmaller, 1);
}

test("a reload goes on with the same stones, size, level and mark, and the same next reply", async () => {
  const unbroken = await OpenVorn(lab);
  await Prepare(unbroken.page);
  await Play(unbroken.page, kSmaller, 12);
  const expected = await WaitForRed(unbroken.page, kSmaller, 2);
  await unbroken.page.context().close();

  const { page, errors } = await OpenVorn(lab);
  await Prepare(page);
  const before = Owners(await ReadCells(page, kSmaller));
  await page.reload();
  await page.waitForSelector("body[data-state=playing]");
  assert.equal(await page.title(), "VORN SIZE 10");
  assert.equal(Owners(await ReadCells(page, kSmaller)), before);
  assert.equal(await page.locator("#LevelStrong").getAttribute("aria-checked"), "true");
  assert.equal(await page.locator("#MarkLastMovex").getAttribute("aria-checked"), "true");
  assert.equal(await page.locator(".mark-dot").isVisible(), true);
  assert.equal(await page.locator("#TakeBackx").isDisabled(), false, "the click can still be taken back");
  await Play(page, kSmaller, 12);
  assert.equal(await WaitForRed(page, kSmaller, 2), expected);
  assert.deepEqual(errors, []);
  await page.context().close();
});

test("a damaged stored game and a bad setting are said once; a fresh board; no storage, still play", async () => {
  const { page, errors } = await OpenVorn(lab);
  await Play(page, kShape, 61);
  await WaitForRed(page, kShape, 1);
  await page.evaluate(() => {
    localStorage.setItem("vorn.game", (localStorage.getItem("vorn.game") ?? "").replace(/\nowner [^\n]*/, "\nowner 7"));
    localStorage.setItem("vorn.settings", "[Vorn]\nBoardSize=99\n");
  });
  await page.reload();
  await page.waitForSelector("#message[open]");
  const said = await page.locator("#message-text").textContent() ?? "";
  assert.match(said, /settings Vorn kept could not be used.*\nline 2: BoardSize "99"/s);
  assert.match(said, /game Vorn kept is damaged and cannot go on; a new game starts/);
  await page.locator("#message-ok").click();
  assert.equal(await page.title(), "VORN SIZE 11");
  assert.equal(Owners(await ReadCells(page, kShape)), ".".repeat(121));
  await page.reload();
  await page.waitForSelector("body[data-state=playing]");
  assert.equal(await page.locator("#message").isVisible(), false, "said once");
  assert.deepEqual(errors, []);
  await page.context().close();

  // A browser whose storage throws at every touch plays all the same.
  const refusing = await lab.browser.newContext({ viewport: { width: 900, height: 600 } });
  await refusing.addInitScript(() => {
    Object.defineProperty(window, "localStorage", { get() { throw new DOMException("denied", "SecurityError"); } });
  });
  const blocked = await refusing.newPage();
  const blockedErrors: string[] = [];
  const warnings: string[] = [];
  blocked.on("pageerror", (error) => blockedErrors.push(String(error)));
  blocked.on("console", (message) => { if (message.type() === "warning") warnings.push(message.text()); });
  await blocked.goto(`${lab.site.url}?double-click-ms=0`);
  await blocked.waitForSelector("body[data-state=playing]");
  await Play(blocked, kShape, 61);
  await WaitForRed(blocked, kShape, 1);
  assert.deepEqual(blockedErrors, []);
  assert.equal(warnings.filter((text) => text.includes("cannot keep the settings")).length, 1, "said once, to the console");
  await refusing.close();
});
