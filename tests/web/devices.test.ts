// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page on other screens and with other input: a pixel ratio of 2, small viewports,
// touch, the keyboard and a screen reader's view, offline after the first visit, and a
// browser without WebAssembly.

import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import { CellCorner, CellMiddle, ClickBoard, OpenLab, OpenVorn, Owners, PagePoint, ReadCells } from "./harness";
import type { Lab } from "./harness";

let lab: Lab;
before(async () => { lab = await OpenLab(); });
after(async () => { await lab.close(); });

const kStart = { size: 11, rows: 11 };
const kEmpty = ".".repeat(121);

test("at a pixel ratio of 2 the canvas has a pixel per device pixel, outlines stay sharp and clicks land", async () => {
  const { page, errors } = await OpenVorn(lab, { deviceScaleFactor: 2 });
  const size = await page.locator("#surface").evaluate((canvas) =>
    [(canvas as HTMLCanvasElement).width, (canvas as HTMLCanvasElement).height]);
  assert.deepEqual(size, [2 * 486, 2 * 308], "the 11 x 11 board's area is 486 x 308");
  // The left side of cell 1 (x = 148, 2 pixels wide) covers device pixels 294..297 in pure
  // black, the cell's inside starts in pure grey: no blur at the edge.
  const { x, y } = CellCorner(kStart, 1);
  const row = await page.locator("#surface").evaluate((element, [left, top]) => {
    const canvas = element as HTMLCanvasElement;
    const data = canvas.getContext("2d")?.getImageData(2 * (left ?? 0) - 3, 2 * (top ?? 0) + 10, 8, 1).data;
    return Array.from(data ?? []).filter((_, index) => index % 4 === 0);
  }, [x, y]);
  assert.deepEqual(row, [192, 0, 0, 0, 0, 192, 192, 192]);
  const middle = CellMiddle(kStart, 61);
  await ClickBoard(page, 1, 0, middle.x, middle.y);
  const owners = Owners(await ReadCells(page, kStart));
  assert.equal(owners[60], "G");
  assert.equal(owners.replace(/\./g, "").length, 2, "GREEN's stone and RED's reply");
  assert.deepEqual(errors, []);
  await page.context().close();
});

test("a small viewport shows the whole board, scaled down, and clicks land on the cells aimed at", async () => {
  for (const viewport of [{ width: 667, height: 320 }, { width: 360, height: 640 }]) {
    const { page, errors } = await OpenVorn(lab, { viewport, deviceScaleFactor: 3, hasTouch: true, isMobile: true });
    const frame = await page.locator("#board-frame").boundingBox();
    assert.ok(frame !== null);
    assert.ok(frame.width < 486, `${viewport.width} x ${viewport.height}: scaled down`);
    assert.ok(frame.x >= 0 && frame.y >= 0 && frame.x + frame.width <= viewport.width &&
      frame.y + frame.height <= viewport.height, `${viewport.width} x ${viewport.height}: all in view`);
    assert.equal(Math.round(frame.width / frame.height * 308), 486, "the same shape");
    for (const cell of [1, 11, 111, 121]) {
      const before = Owners(await ReadCells(page, kStart));
      const middle = CellMiddle(kStart, cell);
      const at = await PagePoint(page, middle.x, middle.y);
      await page.touchscreen.tap(at.x, at.y);
      const owners = Owners(await ReadCells(page, kStart));
      assert.equal(owners[cell - 1], "G", `${viewport.width} x ${viewport.height}: a tap on cell ${cell}`);
      assert.equal(owners.replace(/\./g, "").length, before.replace(/\./g, "").length + 2);
    }
    assert.deepEqual(errors, []);
    await page.context().close();
  }
});

test("a long press is a plain right click: the computer opens; the browser's menu never shows", async () => {
  const { page, errors } = await OpenVorn(lab, { hasTouch: true });
  const prevented = await page.locator("#surface").evaluate((canvas) => {
    const event = new MouseEvent("contextmenu", { bubbles: true, cancelable: true, button: 2 });
    canvas.dispatchEvent(event);
    return event.defaultPrevented;
  });
  assert.equal(prevented, true, "a right click opens no context menu");
  const middle = CellMiddle(kStart, 5);
  const at = await PagePoint(page, middle.x, middle.y);
  const touch = await page.context().newCDPSession(page);
  await touch.send("Input.dispatchTouchEvent", { type: "touchStart", touchPoints: [{ x: at.x, y: at.y }] });
  await page.waitForSelector("#board[data-press=long]"); // held long enough
  await touch.send("Input.dispatchTouchEvent", { type: "touchEnd", touchPoints: [] });
  const owners = Owners(await ReadCells(page, kStart));
  assert.equal(owners, kEmpty.slice(0, 59) + "R" + kEmpty.slice(60), "RED opens in the middle, cell 60");
  assert.equal(await page.locator("#Sizex").isDisabled(), true, "the game has started");
  assert.deepEqual(errors, []);
  await page.context().close();
});

test("the keyboard plays the board, and a screen reader hears each cell and RED's reply", async () => {
  const { page, errors } = await OpenVorn(lab);
  const focused = () => page.evaluate(() => document.activeElement?.getAttribute("aria-label") ?? "");
  await page.keyboard.press("Tab"); // the menu bar
  await page.keyboard.press("Tab"); // the board
  assert.equal(await focused(), "row 1, column 1, empty");
  for (const key of ["ArrowRight", "ArrowRight", "ArrowRight", "ArrowRight", "ArrowDown",
    "ArrowDown", "ArrowDown", "ArrowDown", "ArrowDown", "ArrowLeft", "ArrowRight"]) {
    await page.keyboard.press(key);
  }
  assert.equal(await focused(), "row 6, column 5, empty");
  await page.keyboard.press("Enter");
  const owners = Owners(await ReadCells(page, kStart));
  assert.equal(owners[59], "G", "Enter played cell 60");
  const red = owners.indexOf("R") + 1;
  assert.ok(red > 0 && owners.lastIndexOf("R") + 1 === red, "RED replied once");
  const redName = `row ${Math.floor((red - 1) / 11) + 1}, column ${((red - 1) % 11) + 1}`;
  assert.equal(await focused(), "row 6, column 5, GREEN stone");
  assert.equal(await page.locator("#live").textContent(), `RED played ${redName}`);
  assert.equal(await page.locator(`#cells [aria-label="${redName}, RED stone"]`).count(), 1);
  await page.keyboard.press("Space"); // an occupied cell: nothing happens
  assert.equal(Owners(await ReadCells(page, kStart)), owners);

  // The menu key is the right click: on a fresh board, the computer's opening.
  await page.keyboard.press("Alt+V");
  await page.keyboard.press("E"); // End Current Game
  assert.equal(Owners(await ReadCells(page, kStart)), kEmpty);
  await page.locator("#cells [aria-label='row 1, column 1, empty']").focus();
  await page.keyboard.press("ContextMenu");
  assert.equal(Owners(await ReadCells(page, kStart))[59], "R");
  assert.equal(await page.locator("#live").textContent(), "RED played row 6, column 5");
  assert.deepEqual(errors, []);
  await page.context().close();
});

test("the page can be installed, and after the first visit it reloads and plays offline", async () => {
  const { page, errors } = await OpenVorn(lab);
  const manifest = await page.evaluate(async () => {
    const link = document.querySelector("link[rel=manifest]") as HTMLLinkElement;
    const app = await (await fetch(link.href)).json() as { name: string; display: string; icons: Array<{ src: string }> };
    const icons = await Promise.all(app.icons.map(async (icon) => (await fetch(new URL(icon.src, link.href))).status));
    return { name: app.name, display: app.display, icons };
  });
  assert.deepEqual(manifest, { name: "Vorn", display: "standalone", icons: [200, 200, 200] });
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await page.context().setOffline(true);
  await page.reload();
  await page.waitForSelector("body[data-state=playing]");
  assert.equal(await page.title(), "VORN SIZE 11");
  assert.equal(Owners(await ReadCells(page, kStart)), kEmpty);
  const middle = CellMiddle(kStart, 61);
  await ClickBoard(page, 1, 0, middle.x, middle.y);
  assert.equal(Owners(await ReadCells(page, kStart)).replace(/\./g, "").length, 2);
  assert.deepEqual(errors, []);
  const network = await page.evaluate(() => fetch("not-on-the-site").then(() => "reached", () => "unreachable"));
  assert.equal(network, "unreachable", "the network was gone all along");
  await page.context().close();
});

test("without WebAssembly, or when its script cannot run, the page says so in plain words", async () => {
  const context = await lab.browser.newContext();
  await context.addInitScript(() => { delete (globalThis as { WebAssembly?: unknown }).WebAssembly; });
  const page = await context.newPage();
  await page.goto(lab.site.url);
  await page.waitForSelector("body[data-state=failed]");
  assert.match(await page.locator("#notice").textContent() ?? "", /needs WebAssembly/);
  assert.equal(await page.locator("#app").isVisible(), false);
  await context.close();

  const blocked = await lab.browser.newContext();
  await blocked.route("**/main.js", (route) => route.abort());
  const stuck = await blocked.newPage();
  await stuck.goto(lab.site.url);
  await stuck.locator("#starting").waitFor({ state: "visible" });
  assert.match(await stuck.locator("#starting").textContent() ?? "", /cannot run/);
  await blocked.close();
});
