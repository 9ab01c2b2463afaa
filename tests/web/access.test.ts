// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page for players without a mouse, and for screen readers: how to right-click by
// finger or key, what the cells say, where the focus goes, and what the browser's Back and a
// reload do to a game.

import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import type { Page } from "playwright-core";
import { CellMiddle, ChooseMenu, GamePlayer, OpenLab, OpenVorn, Owners, PagePoint, ReadCells, ReadGame } from "./harness";
import type { Lab } from "./harness";

let lab: Lab;
before(async () => { lab = await OpenLab(); });
after(async () => { await lab.close(); });

const kStart = { size: 11, rows: 11 };

// The colour the screen shows at a point of the page, as "r,g,b".
async function ColourAt(page: Page, x: number, y: number): Promise<string> {
  const shot = await page.screenshot({ clip: { x, y, width: 1, height: 1 } });
  const reader = await page.context().newPage();
  const colour = await reader.evaluate(async (png) => {
    const bytes = Uint8Array.from(atob(png), (c) => c.charCodeAt(0));
    const image = await createImageBitmap(new Blob([bytes], { type: "image/png" }));
    const canvas = new OffscreenCanvas(1, 1);
    const context = canvas.getContext("2d");
    if (context === null) throw new Error("no canvas context");
    context.drawImage(image, 0, 0);
    return Array.from(context.getImageData(0, 0, 1, 1).data.slice(0, 3)).join(",");
  }, shot.toString("base64"));
  await reader.close();
  return colour;
}

test("without a mouse: Shift+F10 right-clicks, a long press shows its frame, and the preset message says how", async () => {
  const { page, errors } = await OpenVorn(lab, { hasTouch: true });
  // The frame of a long press shows over the board's drawing.
  const frame = await page.locator("#board-frame").boundingBox();
  assert.ok(frame !== null);
  const edge = { x: frame.x + 1, y: frame.y + frame.height / 2 };
  assert.equal(await ColourAt(page, edge.x, edge.y), "192,192,192", "no frame before the press");
  const middle = CellMiddle(kStart, 5);
  const at = await PagePoint(page, middle.x, middle.y);
  const touch = await page.context().newCDPSession(page);
  await touch.send("Input.dispatchTouchEvent", { type: "touchStart", touchPoints: [{ x: at.x, y: at.y }] });
  await page.waitForSelector("#board[data-press=long]");
  assert.equal(await ColourAt(page, edge.x, edge.y), "0,0,128", "the frame, dark blue");
  await touch.send("Input.dispatchTouchEvent", { type: "touchCancel", touchPoints: [] });

  // Preset Board's message: the game's text, and the page's own line for a finger.
  await ChooseMenu(page, "Presetx");
  assert.equal(await page.locator("#message-text").textContent(), "left-click to set GREEN, right-click for RED");
  assert.match(await page.locator("#message-hint").innerText(), /long press.*Menu key or Shift\+F10/s);
  await page.locator("#message-ok").click();
  await ChooseMenu(page, "Restartx");

  // Shift+F10 on a cell of a fresh board is the plain right click: the computer opens.
  await page.locator("#cells [role=gridcell]").first().focus();
  await page.keyboard.press("Shift+F10");
  assert.equal(Owners(await ReadCells(page, kStart))[59], "R", "RED opens in the middle");
  assert.deepEqual(errors, []);
  await page.context().close();

  // A player who has used only the mouse is not told.
  const mouse = await OpenVorn(lab);
  await ChooseMenu(mouse.page, "Presetx");
  assert.equal(await mouse.page.locator("#message").isVisible(), true);
  assert.equal(await mouse.page.locator("#message-hint").isVisible(), false);
  await mouse.page.context().close();
});

test("a screen reader plays by click, hears RED's winning stone and the chain, and the focus stays useful", async () => {
  const { page, errors } = await OpenVorn(lab);
  const focused = () => page.evaluate(() => document.activeElement?.getAttribute("aria-label") ?? document.activeElement?.id);
  assert.equal(await page.getByRole("heading", { level: 1, name: "Vorn" }).count(), 1);
  assert.equal(await page.locator("#cells [role=row]").first().getAttribute("aria-label"), "row 1");

  // RED's winning reply to a cell activated as assistive tools do, by a bare click.
  const game = ReadGame("red_wins_non_square");
  await new GamePlayer(page).play(game.script.slice(0, -2));
  const winning = Number((game.script[game.script.length - 2] ?? "").split(" ")[3]);
  const name = (cell: number) => `row ${Math.floor((cell - 1) / 6) + 1}, column ${((cell - 1) % 6) + 1}`;
  await page.locator(`#cells [aria-label="${name(winning)}, empty"]`).evaluate((cell) => (cell as HTMLElement).click());
  assert.equal(await page.locator("#message-text").textContent(), "RED WON - click here to continue");
  const chain = [4, 11, 18, 24, 30];
  const said = await page.locator("#live").textContent() ?? "";
  const redStone = /^RED played (row \d, column \d)\. /.exec(said)?.[1] ?? "";
  assert.ok(chain.map(name).includes(redStone), `RED's winning stone is said: ${said}`);
  assert.ok(said.endsWith(`RED WON - click here to continue. Winning chain: ${chain.map(name).join("; ")}`), said);
  for (const cell of chain) {
    assert.equal(await page.locator(`#cells [aria-label="${name(cell)}, RED stone, winning chain"]`).count(), 1);
  }
  assert.equal(await page.locator(`#cells [aria-label="${name(winning)}, GREEN stone"]`).count(), 1);
  await page.keyboard.press("Enter");
  assert.equal(await page.locator("#live").textContent(), "", "nothing left to hear on the fresh board");
  assert.equal(await focused(), `${name(winning)}, empty`, "back on the cell played");

  // After a menu command, by key or by mouse, the board has the focus; Help takes it and
  // Escape gives it back.
  await page.keyboard.press("Alt+V");
  await page.keyboard.press("E");
  assert.equal(await focused(), `${name(winning)}, empty`);
  await ChooseMenu(page, "Restartx");
  assert.equal(await focused(), `${name(winning)}, empty`);
  await ChooseMenu(page, "Helpx");
  assert.equal(await focused(), "help-frame");
  await page.frameLocator("#help-frame").locator("h1").waitFor();
  await page.keyboard.press("Escape");
  assert.equal(await page.locator("#help").isVisible(), false);
  assert.equal(await focused(), `${name(winning)}, empty`);
  assert.deepEqual(errors, []);
  await page.context().close();
});

test("in forced colours the turn indicator keeps its colour and the focused cell its frame", async () => {
  const { page, errors } = await OpenVorn(lab);
  await page.emulateMedia({ forcedColors: "active" });
  await page.keyboard.press("Tab");
  await page.keyboard.press("Tab");
  const looks = await page.evaluate(() => {
    const indicator = getComputedStyle(document.querySelector(".indicator") as Element).backgroundColor;
    const cell = getComputedStyle(document.activeElement as Element);
    return { indicator, outline: cell.outlineStyle, width: cell.outlineWidth };
  });
  assert.deepEqual(looks, { indicator: "rgb(0, 128, 0)", outline: "solid", width: "3px" });
  assert.deepEqual(errors, []);
  await page.context().close();
});

test("the browser's Back leaves the page, not the help page's links, and a game under way is not lost unasked", async () => {
  const { page, errors } = await OpenVorn(lab);
  const entries = () => page.evaluate(() => history.length);
  const before = await entries();
  await ChooseMenu(page, "Helpx");
  const frame = page.frameLocator("#help-frame");
  await frame.locator("a[href='#mouse']").first().click();
  await frame.locator("a[href='#contents']").first().click();
  await page.locator("#help-back").click();
  await page.waitForFunction(() =>
    (document.getElementById("help-frame") as HTMLIFrameElement).contentWindow?.location.hash === "#mouse");
  await page.locator("#help-exit").click();
  await ChooseMenu(page, "Helpx");
  await frame.locator("h1").waitFor();
  assert.equal(await entries(), before, "no step of the help page in the browser's history");

  // A stone on the board that the browser cannot keep: leaving asks first; declined, the
  // game stays. (A kept game comes back with a reload and is left without a word.)
  await page.evaluate(() => { Storage.prototype.setItem = () => { throw new Error("full"); }; });
  const middle = CellMiddle(kStart, 60);
  const at = await PagePoint(page, middle.x, middle.y);
  await page.mouse.click(at.x, at.y);
  const asked = Promise.race([
    new Promise<string>((resolve) => {
      page.once("dialog", (dialog) => { resolve(dialog.type()); void dialog.dismiss(); });
    }),
    new Promise<string>((resolve) => page.once("close", () => resolve("closed unasked"))),
  ]);
  await page.close({ runBeforeUnload: true });
  assert.equal(await asked, "beforeunload");
  assert.equal(page.isClosed(), false);
  assert.equal(Owners(await ReadCells(page, kStart))[59], "G");
  // A fresh board has nothing to lose.
  await ChooseMenu(page, "Restartx");
  const closed = new Promise<void>((resolve) => page.once("close", () => resolve()));
  page.once("dialog", (dialog) => { void dialog.dismiss(); });
  await page.close({ runBeforeUnload: true });
  await closed;
  assert.deepEqual(errors, []);
  await page.context().close();
});

test("on a touch screen the board grows for fingers and may be zoomed; taps land on the cells aimed at", async () => {
  for (const viewport of [{ width: 1024, height: 768 }, { width: 844, height: 390 }]) {
    const { page, errors } = await OpenVorn(lab, { viewport, deviceScaleFactor: 2, hasTouch: true, isMobile: true });
    const frame = await page.locator("#board-frame").boundingBox();
    assert.ok(frame !== null);
    // The click box of a cell is 27 x 14 pixels of the board's area (twips over 15).
    const boxHeight = (frame.height / 308) * 14;
    const where = `${viewport.width} x ${viewport.height}`;
    if (viewport.width === 1024) assert.ok(boxHeight >= 24, `${where}: ${boxHeight} pixels high`);
    else assert.ok(frame.height > 308, `${where}: grown into the free space`);
    assert.equal(await page.locator("#board").evaluate((board) => getComputedStyle(board).touchAction),
      "manipulation", `${where}: the page can be zoomed`);
    // Zoomed in by the player: taps still land on the cells aimed at.
    const zoom = await page.context().newCDPSession(page);
    await zoom.send("Emulation.setPageScaleFactor", { pageScaleFactor: 2 });
    for (const cell of [1, 61, 121]) {
      const middle = CellMiddle(kStart, cell);
      const at = await PagePoint(page, middle.x, middle.y);
      await page.touchscreen.tap(at.x, at.y);
      assert.equal(Owners(await ReadCells(page, kStart))[cell - 1], "G", `${where}: a tap on cell ${cell}`);
    }
    assert.deepEqual(errors, []);
    await page.context().close();
  }
});
