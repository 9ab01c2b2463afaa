// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's error boundary: an exception of the page's script, in a call of the game or in
// an event of the page's own, ends as a fault of the game does on the desktop, in a message
// and a fresh board of the size that stood, with nothing left to the browser.

import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import { CellMiddle, ChooseMenu, ClickBoard, OpenLab, OpenVorn, Owners, ReadCells } from "./harness";
import type { Lab } from "./harness";
import type { Page } from "playwright-core";

let lab: Lab;
before(async () => { lab = await OpenLab(); });
after(async () => { await lab.close(); });

const kRecovering = "Vorn met an internal error and starts a fresh board:\n";
const kLargest = { size: 21, rows: 21 };

// The next polygon the page fills throws.
async function FailNextFill(page: Page): Promise<void> {
  await page.evaluate(() => {
    const fill = CanvasRenderingContext2D.prototype.fill as (...rest: unknown[]) => void;
    let armed = true;
    CanvasRenderingContext2D.prototype.fill = function (this: CanvasRenderingContext2D, ...rest: unknown[]) {
      if (armed) {
        armed = false;
        throw new Error("a fill that fails");
      }
      fill.apply(this, rest);
    } as typeof CanvasRenderingContext2D.prototype.fill;
  });
}

test("a throw of the page's script goes back to a fresh board of the size before, the largest with Increase off", async () => {
  const { page, errors } = await OpenVorn(lab);
  const message = page.locator("#message-text");
  const failure = `${kRecovering}the page's script failed: Error: a fill that fails`;
  for (let size = 11; size < kLargest.size - 1; ++size) await ChooseMenu(page, "Increasex");

  // In a call of the game: drawing the board of a size command; the size before stands.
  await FailNextFill(page);
  await ChooseMenu(page, "Increasex");
  assert.equal(await message.textContent(), failure);
  await page.locator("#message-ok").click();
  assert.equal(await page.title(), "VORN SIZE 20");
  assert.equal(await page.locator("#Increasex").isDisabled(), false);

  // Drawing GREEN's stone on the largest board: a fresh one, still without Increase.
  await ChooseMenu(page, "Increasex");
  assert.equal(await page.locator("#Increasex").isDisabled(), true);
  await FailNextFill(page);
  const middle = CellMiddle(kLargest, 221);
  await ClickBoard(page, 1, 0, middle.x, middle.y);
  assert.equal(await message.textContent(), failure);
  await page.locator("#message-ok").click();
  assert.equal(await page.title(), "VORN SIZE 21");
  assert.equal(await page.locator("#Increasex").isDisabled(), true, "Increase is off at 21");
  assert.equal(Owners(await ReadCells(page, kLargest)), ".".repeat(441), "a fresh board");

  // In an event of the page's own: the help window failing to open its page.
  await page.evaluate(() => {
    const frame = Object.getOwnPropertyDescriptor(HTMLIFrameElement.prototype, "contentWindow");
    Object.defineProperty(HTMLIFrameElement.prototype, "contentWindow", {
      ...frame,
      get() { throw new Error("no help page"); },
    });
  });
  await ClickBoard(page, 1, 0, middle.x, middle.y);
  assert.equal(Owners(await ReadCells(page, kLargest)).replace(/\./g, "").length, 2);
  await ChooseMenu(page, "Helpx");
  assert.equal(await message.textContent(),
    `${kRecovering}the page's script failed: Error: no help page`);
  await page.locator("#message-ok").click();
  assert.equal(Owners(await ReadCells(page, kLargest)), ".".repeat(441));
  assert.equal(await page.locator("#Increasex").isDisabled(), true);
  assert.equal(await page.evaluate(() => document.body.dataset["state"]), "playing");
  assert.deepEqual(errors, [], "nothing reached the browser");
  await page.context().close();
});

test("the keyboard keeps to the grid: Home, End and every edge, and plays the last cell", async () => {
  const { page, errors } = await OpenVorn(lab);
  const focused = () => page.evaluate(() => document.activeElement?.getAttribute("aria-label") ?? "");
  await page.keyboard.press("Tab"); // the menu bar
  await page.keyboard.press("Tab"); // the board
  const steps: Array<[string, string]> = [
    ["ArrowUp", "row 1, column 1"], ["ArrowLeft", "row 1, column 1"],
    ["End", "row 1, column 11"], ["ArrowRight", "row 1, column 11"],
    ["ArrowDown", "row 2, column 11"], ["ArrowRight", "row 2, column 11"],
    ["Home", "row 2, column 1"], ["ArrowLeft", "row 2, column 1"],
    ["ArrowUp", "row 1, column 1"],
  ];
  for (let row = 0; row < 11; ++row) steps.push(["ArrowDown", `row ${Math.min(row + 2, 11)}, column 1`]);
  steps.push(["End", "row 11, column 11"], ["ArrowDown", "row 11, column 11"],
    ["ArrowRight", "row 11, column 11"]);
  for (const [key, cell] of steps) {
    await page.keyboard.press(key);
    assert.equal(await focused(), `${cell}, empty`, `after ${key}`);
  }
  await page.keyboard.press("Enter");
  assert.equal(Owners(await ReadCells(page, { size: 11, rows: 11 }))[120], "G", "Enter played cell 121");
  assert.deepEqual(errors, []);
  await page.context().close();
});
