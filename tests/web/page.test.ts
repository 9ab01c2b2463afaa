// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the page meets its browser: opened from a file, framed by another page, under its own
// content policy, at the player's font size, on a slow network; and About closed by a click
// outside it.

import assert from "node:assert/strict";
import * as path from "node:path";
import { after, before, test } from "node:test";
import { pathToFileURL } from "node:url";
import { CellMiddle, OpenLab, OpenVorn, Owners, PagePoint, ReadCells, ChooseMenu } from "./harness";
import type { Lab } from "./harness";

let lab: Lab;
before(async () => { lab = await OpenLab(); });
after(async () => { await lab.close(); });

// It waited for ever: a browser runs no module of a page opened from a file.
test("opened from a file, the page says that it must be served and how", async () => {
  const context = await lab.browser.newContext();
  const page = await context.newPage();
  await page.goto(pathToFileURL(path.join(process.env["VORN_SITE_DIR"] ?? "", "index.html")).href);
  await page.waitForSelector("body[data-state=refused]");
  const notice = await page.locator("#notice").textContent() ?? "";
  assert.match(notice, /must be served.*\.\/setup\.sh web/s);
  assert.equal(await page.locator("#app").isVisible(), false);
  await context.close();
});

test("the page runs under its own content policy, and not inside another page", async () => {
  const { page, errors } = await OpenVorn(lab);
  assert.deepEqual(errors, [], "the game, its styles and its worker all allowed");
  const refused = await page.evaluate(() => new Promise<boolean>((resolve) => {
    document.addEventListener("securitypolicyviolation", () => resolve(true), { once: true });
    const inline = document.createElement("script");
    inline.textContent = "document.title = 'taken over';";
    document.head.append(inline);
    setTimeout(() => resolve(document.title !== "taken over"), 1000);
  }));
  assert.equal(refused, true, "no script but the site's own files");

  const framer = await page.context().newPage();
  await framer.setContent(`<iframe src="${lab.site.url}" width="800" height="500"></iframe>`);
  const frame = await (await framer.waitForSelector("iframe")).contentFrame();
  assert.ok(frame !== null);
  await frame.waitForSelector("body[data-state=refused]");
  assert.match(await frame.locator("#notice").textContent() ?? "", /only as a page of its own/);
  assert.equal(await frame.locator("#app").isVisible(), false);
  await page.context().close();
});

test("text follows the font size chosen in the browser", async () => {
  const { page } = await OpenVorn(lab);
  const browserSettings = await page.context().newCDPSession(page);
  await browserSettings.send("Page.setFontSizes", { fontSizes: { standard: 24 } });
  const sizes = await page.evaluate(() =>
    [document.documentElement, document.querySelector("#menubar button")]
      .map((element) => getComputedStyle(element as Element).fontSize));
  assert.deepEqual(sizes, ["21px", "21px"], "seven eighths of it, as 14 of 16 pixels");
  await page.context().close();
});

test("on a slow network a short notice says the game is loading, gone with the board", async () => {
  const context = await lab.browser.newContext({ viewport: { width: 900, height: 600 } });
  const page = await context.newPage();
  await page.route("**/vorn.wasm", async (route) => {
    await new Promise((resolve) => setTimeout(resolve, 2000));
    await route.continue();
  });
  await page.goto(lab.site.url);
  await page.locator("#loading").waitFor({ state: "visible" });
  assert.equal(await page.locator("#loading").textContent(), "Loading Vorn\u2026");
  await page.waitForSelector("body[data-state=playing]");
  assert.equal(await page.locator("#loading").isVisible(), false);
  assert.equal(await page.locator("#starting").isVisible(), false);
  await context.close();
});

test("About shows its credits from the first line and closes at a click outside it", async () => {
  const { page, errors } = await OpenVorn(lab);
  await ChooseMenu(page, "Aboutx");
  assert.match(await page.locator("#about-credit").textContent() ?? "", /^Vorn /);
  const shape = { size: 11, rows: 11 };
  const cell = CellMiddle(shape, 111); // the bottom row's left end, well clear of the window
  const at = await PagePoint(page, cell.x, cell.y);
  await page.mouse.click(at.x, at.y);
  assert.equal(await page.locator("#about").isVisible(), false);
  assert.equal(Owners(await ReadCells(page, shape)), ".".repeat(121), "the click played nothing");
  assert.deepEqual(errors, []);
  await page.context().close();
});
